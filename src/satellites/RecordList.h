// The one-column list of the Satellite List and Transponder List dialogs, reached only through
// the functions below so that the control behind them can change in this one place. Rows are
// reordered by dragging; after a drop the dialog rebuilds its table from the numbers at the
// start of the rows.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "lists/CDragListCtrl.h"

class QObject;
class QWidget;
class UiPrompts;

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev

using RecordListControl = CDragListCtrl;

namespace record_list {

// What the list shows and so which table a drop rebuilds.
enum class ListType { Transponders = 1, Satellites = 2 };

// The list in the dialogs' fixed-pitch font, with room for `visibleRows` rows of
// `characters` characters. A drop rebuilds `db`'s table of `type` and tells `changes`.
RecordListControl* Make(ListType type, int characters, int visibleRows, zev::ChannelDatabase& db,
                        UiPrompts& prompts, zev::ChangeSink& changes, QWidget* parent);

int RowCount(const RecordListControl& list);
QString RowText(const RecordListControl& list, int row);
void SetRowText(RecordListControl& list, int row, const QString& text);
void SetRows(RecordListControl& list, const QStringList& lines);
void InsertRow(RecordListControl& list, int row, const QString& text);
void RemoveRow(RecordListControl& list, int row);
int SelectedRow(const RecordListControl& list);  // -1 when none
void SelectRow(RecordListControl& list, int row);

// `act(row)` on a double click on a row.
void OnDoubleClick(RecordListControl& list, QObject* context, std::function<void(int)> act);
// `edit()` on Enter and `remove()` on Delete in the list.
void OnKeys(RecordListControl& list, QObject* context, std::function<void()> edit,
            std::function<void()> remove);
// `act()` after dragged rows were dropped and the table was put into their new order.
void OnRowsDropped(RecordListControl& list, QObject* context, std::function<void()> act);

}  // namespace record_list
