// The picture that follows the cursor during a drag: every dragged row as the list shows it, at
// its place relative to the others, with the cursor at the same offset from the rows as when
// the drag began. A frameless window that takes no input and no focus.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <cstddef>
#include <memory>
#include <span>

class ListControl;

class DragPicture : public QWidget {
    Q_OBJECT
  public:
    // The picture of `rows` for a drag whose cursor is at `cursor` (viewport coordinates);
    // nullptr when there is nothing to draw. Rows farther from the cursor than twice the
    // screen's height are left out: they could never come into sight.
    static std::unique_ptr<DragPicture> Build(const ListControl& list,
                                              std::span<const std::size_t> rows, QPoint cursor);

    // The cursor's offset from the picture's top-left corner.
    QPoint HotSpot() const { return hotSpot_; }
    // Places the picture for the cursor at `globalCursor`.
    void Follow(QPoint globalCursor);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    DragPicture(QPixmap pixmap, const QRegion& shape, QPoint hotSpot);

    QPixmap pixmap_;
    QPoint hotSpot_;
};
