// The picture that follows the cursor during a drag: every dragged row as the list shows it, at
// its place relative to the others, with the cursor at the same offset from the rows as when
// the drag began. It lies on the list's viewport, so it never covers the list's header or
// anything beside the list, takes no input and lets the rows below show through.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <cstddef>
#include <span>

class ListControl;

class DragPicture : public QWidget {
    Q_OBJECT
  public:
    // The picture of `rows` for a drag whose cursor is at `cursor` (viewport coordinates), a
    // child of the list's viewport; nullptr when there is nothing to draw. Rows farther from
    // the cursor than twice the screen's height are left out: they could never come into
    // sight.
    static DragPicture* Build(ListControl& list, std::span<const std::size_t> rows, QPoint cursor);

    // The cursor's offset from the picture's top-left corner.
    QPoint HotSpot() const { return hotSpot_; }
    // Places the picture for the cursor at `cursor` (viewport coordinates).
    void Follow(QPoint cursor);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    DragPicture(QPixmap pixmap, const QRegion& shape, QPoint hotSpot, QWidget* parent);

    QPixmap pixmap_;
    QPoint hotSpot_;
};
