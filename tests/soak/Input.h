// The mouse and the keyboard as a person uses them: clicks with modifiers, double clicks and
// drags, sent as real events to a list's viewport after scrolling the row into sight, and text
// typed key by key.
#pragma once

#include <QString>
#include <Qt>

class ListControl;
class QListView;
class QWidget;

namespace soak::input {

void Click(ListControl& list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A click on the list below its last row, where there is room for one; false when none.
bool ClickBesideRows(ListControl& list);
void DoubleClick(ListControl& list, int row);
void DoubleClickLine(QListView& list, int row);

enum class Hold { None, Above, Below };
// Presses on `from` (a selected row keeps the selection), moves past the drag distance and onto
// `to`, and releases there. With `hold`, the cursor first waits above or below the rows for
// `scrollSteps` auto-scroll steps, and is released there when `releaseOutside`.
void Drag(ListControl& list, int from, int to, Hold hold = Hold::None, int scrollSteps = 0,
          bool releaseOutside = false);

// Types `text` into `widget` a key at a time, letters outside ASCII included.
void Type(QWidget& widget, const QString& text);

}  // namespace soak::input
