// What the Satellite List and the Transponder List share: the database and its change reports,
// the list control whose rows are the records, and the small list of what hangs below a record
// (a satellite's transponders, a transponder's channels) whose Delete All empties it.
#pragma once

#include <QDialog>
#include <cstddef>
#include <string>

#include "core/Translatable.h"
#include "lists/RecordDialogs.h"
#include "satellites/RecordList.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev
class SubListDlg;
class UiPrompts;

class RecordListDlg : public QDialog {
    Q_OBJECT
  public:
    // Whether records were deleted through the small list below a record.
    bool ListChanged() const;
    // What the dialog's run did to the database: nothing, edits in place, or records added,
    // removed or reordered.
    RecordListResult Result() const { return result_; }

    // After a drop that put the table into a new order: the channel list must refill.
    void OnRowsDropped();

    RecordListControl& List() { return *list_; }

  protected:
    // `selectFirst` is the message for a command that needs a selected row when none is.
    RecordListDlg(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes,
                  const char* selectFirst, QWidget* parent);

    // The row's text for the record at `position`.
    virtual std::string RowText(std::size_t position) const = 0;
    // The rows of the first `count` records.
    void FillRows(std::size_t count);
    void WriteRow(int position);
    // A change named `description`; `renumbers` when it added, removed or reordered records.
    void ReportChange(const zev::Translatable& description, bool renumbers);
    // The selected row; -1, after the user has been told to select one, when none is.
    int SelectedRowOrTell();
    // The small list of the `count` sub-records of the record in `row`: true when its Delete
    // All emptied it.
    bool RunSubList(int row, std::size_t count);

    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    zev::ChangeSink& changes_;
    RecordListControl* list_ = nullptr;
    SubListDlg* subListDlg_ = nullptr;

  private:
    const char* selectFirst_;
    RecordListResult result_ = RecordListResult::Unchanged;
};
