#include "satellites/RecordList.h"

namespace record_list {

RecordListControl* Make(ListType, int characters, int visibleRows, QWidget* parent) {
    auto* list = new LineListBox(parent);
    list->SetSizeInCharacters(characters, visibleRows);
    return list;
}

int RowCount(const RecordListControl& list) { return list.RowCount(); }

QString RowText(const RecordListControl& list, int row) { return list.RowText(row); }

void SetRowText(RecordListControl& list, int row, const QString& text) {
    list.SetRowText(row, text);
}

void SetRows(RecordListControl& list, const QStringList& lines) { list.SetRows(lines); }

void InsertRow(RecordListControl& list, int row, const QString& text) { list.InsertRow(row, text); }

void RemoveRow(RecordListControl& list, int row) { list.RemoveRow(row); }

int SelectedRow(const RecordListControl& list) { return list.SelectedRow(); }

void SelectRow(RecordListControl& list, int row) { list.SelectRow(row); }

void OnDoubleClick(RecordListControl& list, QObject* context, std::function<void(int)> act) {
    QObject::connect(&list, &LineListBox::RowDoubleClicked, context, std::move(act));
}

// This list has no drag yet, so nothing is ever dropped.
void OnRowsDropped(RecordListControl&, QObject*, std::function<void()>) {}

}  // namespace record_list
