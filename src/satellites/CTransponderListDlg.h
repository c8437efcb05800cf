// "Transponder List": every transponder with its satellite, frequency, polarisation, symbol
// rate and TransID. Edit, New (inserted before the selected row), Delete, the channels of a
// transponder, and reordering by dragging rows. Every change goes into the database at once.
#pragma once

#include "satellites/RecordListDlg.h"

class CTransponderEditDlg;

class CTransponderListDlg : public RecordListDlg {
    Q_OBJECT
  public:
    CTransponderListDlg(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes,
                        QWidget* parent = nullptr);
    ~CTransponderListDlg() override;

    void OnEdit();
    void OnNew();
    void OnChannels();
    void OnDelete();

  private:
    std::string RowText(std::size_t position) const override;

    CTransponderEditDlg* editDlg_;
};
