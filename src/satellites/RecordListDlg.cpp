#include "satellites/RecordListDlg.h"

#include "editing/ChangeSink.h"
#include "satellites/SubListDlg.h"
#include "ui/UiPrompts.h"

RecordListDlg::RecordListDlg(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink& changes,
                             const char* selectFirst, QWidget* parent)
    : QDialog(parent), db_(db), prompts_(prompts), changes_(changes), selectFirst_(selectFirst) {}

bool RecordListDlg::ListChanged() const { return subListDlg_->listChanged; }

void RecordListDlg::OnRowsDropped() {
    // The list control has put the table into the rows' order and reported the change.
    result_ = RecordListResult::Renumbered;
}

void RecordListDlg::FillRows(std::size_t count) {
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i) rows << QString::fromLatin1(RowText(i));
    record_list::SetRows(*list_, rows);
}

void RecordListDlg::WriteRow(int position) {
    record_list::SetRowText(*list_, position,
                            QString::fromLatin1(RowText(static_cast<std::size_t>(position))));
}

void RecordListDlg::ReportChange(const zev::Translatable& description, bool renumbers) {
    if (renumbers) {
        result_ = RecordListResult::Renumbered;
    } else if (result_ == RecordListResult::Unchanged) {
        result_ = RecordListResult::Edited;
    }
    changes_.DatabaseChanged(description);
}

int RecordListDlg::SelectedRowOrTell() {
    const int row = record_list::SelectedRow(*list_);
    if (row < 0) prompts_.Inform(tr(selectFirst_), tr("Information"));
    return row;
}

bool RecordListDlg::RunSubList(int row, std::size_t count) {
    subListDlg_->position = row;
    subListDlg_->count = static_cast<int>(count);
    subListDlg_->Load();
    return prompts_.RunDialog(*subListDlg_) == QDialog::Accepted;
}
