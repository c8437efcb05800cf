// "Satellite List": every satellite with its LNB and DiSEqC settings. Edit, New (inserted
// before the selected row), Delete, the transponders of a satellite, and reordering by
// dragging rows. Every change goes into the database at once.
#pragma once

#include <QDialog>

#include "satellites/RecordList.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev
class CSatelliteEditDlg;
class CSttpListDlg;
class UiPrompts;

class CSatelliteListDlg : public QDialog {
    Q_OBJECT
  public:
    CSatelliteListDlg(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes,
                      QWidget* parent = nullptr);
    ~CSatelliteListDlg() override;

    // Whether transponders or channels were deleted through the transponder list.
    bool ListChanged() const;
    // Whether anything in the database changed while the dialog ran.
    bool DatabaseChanged() const { return databaseChanged_; }

    void OnEdit();
    void OnNew();
    void OnTransponders();
    void OnDelete();
    // After a drop that put the table into a new order: the channel list must refill.
    void OnRowsDropped();

    RecordListControl& List() { return *list_; }

  private:
    void WriteRow(int position);
    void ReportChange(const QString& description);

    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    zev::ChangeSink& changes_;
    RecordListControl* list_;
    CSatelliteEditDlg* editDlg_;
    CSttpListDlg* transpondersDlg_;
    bool databaseChanged_ = false;
};
