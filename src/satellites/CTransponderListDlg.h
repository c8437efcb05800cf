// "Transponder List": every transponder with its satellite, frequency, polarisation, symbol
// rate and TransID. Edit, New (inserted before the selected row), Delete, the channels of a
// transponder, and reordering by dragging rows. Every change goes into the database at once.
#pragma once

#include <QDialog>

#include "satellites/RecordList.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev
class CTpchListDlg;
class CTransponderEditDlg;
class UiPrompts;

class CTransponderListDlg : public QDialog {
    Q_OBJECT
  public:
    CTransponderListDlg(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes,
                        QWidget* parent = nullptr);
    ~CTransponderListDlg() override;

    // Whether channels were deleted through the channel list.
    bool ListChanged() const;
    // Whether anything in the database changed while the dialog ran.
    bool DatabaseChanged() const { return databaseChanged_; }

    void OnEdit();
    void OnNew();
    void OnChannels();
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
    CTransponderEditDlg* editDlg_;
    CTpchListDlg* channelsDlg_;
    bool databaseChanged_ = false;
};
