#include "satellites/RecordList.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "satellites/LineListBox.h"

namespace record_list {

RecordListControl* Make(ListType type, int characters, int visibleRows, zev::ChannelDatabase& db,
                        UiPrompts& prompts, zev::ChangeSink& changes, QWidget* parent) {
    auto* list = new CDragListCtrl(parent);
    list->ListType = static_cast<int>(type);
    list->Attach(db, prompts, &changes);
    list->setFont(LineListFont());
    list->setTextElideMode(Qt::ElideNone);
    const QFontMetrics metrics(list->font());
    const int width = metrics.horizontalAdvance(QString(characters, QLatin1Char('0')));
    // The one column is 450 pixels, or wider where the font needs more for a whole line.
    list->SetColumn(QCoreApplication::translate("RecordList", "No."), std::max(450, width + 8));
    list->setMinimumWidth(width + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width() + 8);
    list->setMinimumHeight(visibleRows * metrics.lineSpacing() + 2 * list->frameWidth());
    return list;
}

int RowCount(const RecordListControl& list) { return list.RowCount(); }

QString RowText(const RecordListControl& list, int row) { return list.RowText(row); }

void SetRowText(RecordListControl& list, int row, const QString& text) {
    list.SetRowText(row, text);
}

void SetRows(RecordListControl& list, const QStringList& lines) {
    std::vector<ListRow> rows(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) rows[static_cast<std::size_t>(i)].text = lines[i];
    list.ReplaceRows(std::move(rows), false);
}

void InsertRow(RecordListControl& list, int row, const QString& text) { list.InsertRow(row, text); }

void RemoveRow(RecordListControl& list, int row) {
    const bool wasSelected = list.IsRowSelected(row);
    list.DeleteRow(row);
    // The selection goes with its row; no other row is selected in its place.
    if (wasSelected) list.selectionModel()->clearSelection();
}

int SelectedRow(const RecordListControl& list) { return list.SelectedRow(); }

void SelectRow(RecordListControl& list, int row) {
    if (row < 0 || row >= list.RowCount()) {
        list.selectionModel()->clearSelection();
        return;
    }
    list.SelectRow(row);
    list.scrollTo(list.Rows().index(row, 0));
}

void OnDoubleClick(RecordListControl& list, QObject* context, std::function<void(int)> act) {
    QObject::connect(&list, &CDragListCtrl::RowDoubleClicked, context, std::move(act));
}

void OnKeys(RecordListControl& list, QObject* context, std::function<void()> edit,
            std::function<void()> remove) {
    QObject::connect(&list, &CDragListCtrl::EditKeyPressed, context, std::move(edit));
    QObject::connect(&list, &CDragListCtrl::DeleteKeyPressed, context, std::move(remove));
}

void OnRowsDropped(RecordListControl& list, QObject* context, std::function<void()> act) {
    QObject::connect(&list, &CDragListCtrl::RowsDropped, context,
                     [act = std::move(act)](bool tableChanged) {
                         if (tableChanged) act();
                     });
}

}  // namespace record_list
