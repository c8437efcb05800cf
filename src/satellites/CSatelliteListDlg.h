// "Satellite List": every satellite with its LNB and DiSEqC settings. Edit, New (inserted
// before the selected row), Delete, the transponders of a satellite, and reordering by
// dragging rows. Every change goes into the database at once.
#pragma once

#include "satellites/RecordListDlg.h"

class CSatelliteEditDlg;

class CSatelliteListDlg : public RecordListDlg {
    Q_OBJECT
  public:
    CSatelliteListDlg(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes,
                      QWidget* parent = nullptr);
    ~CSatelliteListDlg() override;

    void OnEdit();
    void OnNew();
    void OnTransponders();
    void OnDelete();

  private:
    std::string RowText(std::size_t position) const override;

    CSatelliteEditDlg* editDlg_;
};
