// Reordering the rows of a list by dragging them with the mouse, shared by the channel list and
// the satellite and transponder lists. It watches the list's viewport as an event filter and
// belongs to the list (its Qt parent). A press on a row and a move beyond the drag distance
// begin the drag with every selected row; the picture follows the cursor, a line between two
// rows shows where they will land (before the row whose upper half is under the cursor, after
// the row whose lower half is), and holding the cursor above or below the rows scrolls the list
// a line every 100 ms. Releasing the button moves the rows and runs the owner's after-drop
// action. The tables behind the list are not touched during the drag, and no row's selection
// changes before the drop.
#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <vector>

#include "editing/RowMoves.h"
#include "lists/DragPicture.h"

class ListControl;
class QMouseEvent;
class QWidget;

class DragEngine : public QObject {
    Q_OBJECT
  public:
    static constexpr int kScrollIntervalMs = 100;
    enum ScrollDirection { None = 0, Up = 1, Down = 2 };

    // Watches the mouse on `list`'s viewport from now on; `list` is its parent.
    explicit DragEngine(ListControl& list);
    ~DragEngine() override;

    // What the owner does after the rows moved (rebuild its table from the new order).
    void SetAfterDrop(std::function<void(const zev::DropResult&)> action) {
        afterDrop_ = std::move(action);
    }

    // Ends a running drag without moving any row: the rows it picked up are gone (the list was
    // filled again meanwhile, by an undo or a filter keystroke).
    void Cancel();

    bool Dragging() const { return picture_ != nullptr; }
    // The row the rows will land after (-1: before the first row).
    int DropTarget() const { return dropTarget_; }
    // While dragging: the row the rows will land before (the row count: after the last row);
    // -1 before the cursor was over the rows.
    int InsertionRow() const { return insertion_; }
    // The line that shows the insertion place, a child of the viewport.
    const QWidget& InsertionLine() const { return *line_; }
    ScrollDirection Direction() const { return direction_; }
    bool ScrollTimerRunning() const { return timer_.isActive(); }
    const DragPicture* Picture() const { return picture_; }
    const std::vector<int>& DraggedRows() const { return dragged_; }

  protected:
    // Takes the viewport's presses, moves and releases it needs; the list sees the others.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    // The viewport's mouse events; true when the engine took the event.
    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool MouseRelease(QMouseEvent* event);
    // Begins a drag of the selected rows with the cursor at `cursor` (viewport coordinates);
    // false when no row is selected or there is nothing to draw.
    bool BeginDrag(QPoint cursor);
    // One auto-scroll step.
    void ScrollStep();
    // The rows will land before row `row` (0 to the row count).
    void SetInsertion(int row);
    // Where the cursor at `pos` puts the rows; -1 when it is over no row and not below them.
    int InsertionAt(QPoint pos) const;
    void PlaceLine();
    void SetDirection(ScrollDirection direction);
    void StopTimer();
    void EndDrag();
    zev::DropResult MoveRows();
    void DiscardPicture();

    ListControl& list_;
    QWidget* viewport_;
    QWidget* line_;
    std::function<void(const zev::DropResult&)> afterDrop_;

    std::vector<int> dragged_;
    QPointer<DragPicture> picture_;  // a child of the viewport while a drag runs
    int dropTarget_ = -1;
    int insertion_ = -1;
    ScrollDirection direction_ = None;
    QBasicTimer timer_;

    // The press that may begin a drag.
    bool pressed_ = false;
    QPoint pressPos_;
    // A press on a selected row keeps the selection for a drag; without one, the release
    // selects just that row, as a click does.
    int deferredClickRow_ = -1;
};
