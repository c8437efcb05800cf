// Reordering the rows of a list by dragging them with the mouse, shared by the channel list and
// the satellite and transponder lists. It watches the list's viewport as an event filter and
// belongs to the list (its Qt parent). A press on a row and a move beyond the drag distance
// begin the drag with every selected row; the picture follows the cursor, the row under it is
// highlighted by borrowing its selected state (the rows will land after it), and holding the
// cursor above or below the rows scrolls the list a line every 100 ms. Releasing the button
// moves the rows and runs the owner's after-drop action. The tables behind the list are not
// touched during the drag.
#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <vector>

#include "editing/RowMoves.h"

class DragPicture;
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
    int DropTarget() const { return dropTarget_; }
    int HighlightedRow() const { return highlighted_; }
    ScrollDirection Direction() const { return direction_; }
    bool ScrollTimerRunning() const { return timer_.isActive(); }
    const DragPicture* Picture() const { return picture_.get(); }
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
    void Highlight(int row);
    void UndoHighlight();
    void SetDirection(ScrollDirection direction);
    void StopTimer();
    void EndDrag();
    zev::DropResult MoveRows();
    void DiscardPicture();

    ListControl& list_;
    QWidget* viewport_;
    std::function<void(const zev::DropResult&)> afterDrop_;

    std::vector<int> dragged_;
    std::unique_ptr<DragPicture> picture_;
    int dropTarget_ = -1;
    int highlighted_ = -1;
    bool savedState_ = false;
    bool savedSingleSelection_ = false;
    ScrollDirection direction_ = None;
    QBasicTimer timer_;

    // The press that may begin a drag.
    bool pressed_ = false;
    QPoint pressPos_;
    // A press on a selected row keeps the selection for a drag; without one, the release
    // selects just that row, as a click does.
    int deferredClickRow_ = -1;
};
