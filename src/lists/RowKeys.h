// The keyboard in a list with no row selected. Qt makes the first row the current one when a
// list gets the keyboard focus, so that it shows a highlight that is no selection; Home then
// does nothing (the first row already is current) and Down selects the second row. These lists
// have no current row until one is selected, and the first Home, End or arrow key selects one.
#pragma once

class QAbstractItemView;
class QKeyEvent;

// After the list got the focus: a current row Qt gave it while nothing is selected goes again.
// `hadCurrent` says whether the list had a current row before.
void DropUnselectedCurrentRow(QAbstractItemView& list, bool hadCurrent);

// A key of the list without a current row: End selects the last row, Home, the arrows and the
// page keys the first. True when the key was taken.
bool SelectRowByKey(QAbstractItemView& list, const QKeyEvent& event);

// Enter or the keypad's Enter without other modifiers.
bool IsEnterKey(const QKeyEvent& event);
