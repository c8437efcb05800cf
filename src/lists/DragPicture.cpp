#include "lists/DragPicture.h"

#include <QPainter>
#include <QScreen>
#include <vector>

#include "lists/ListControl.h"

namespace {

// How much of the rows below shows through the picture.
constexpr double kOpacity = 0.6;

}  // namespace

DragPicture* DragPicture::Build(ListControl& list, std::span<const std::size_t> rows,
                                QPoint cursor) {
    const QScreen* screen = list.screen();
    const int reach = 2 * (screen != nullptr ? screen->geometry().height() : 1080);
    const QRect band(QPoint(-1000000, cursor.y() - reach), QPoint(1000000, cursor.y() + reach));

    std::vector<int> drawn;
    QRect bounds;
    for (std::size_t row : rows) {
        const QRect rect = list.RowRect(static_cast<int>(row));
        if (!rect.isValid() || !rect.intersects(band)) continue;
        drawn.push_back(static_cast<int>(row));
        bounds |= rect;
    }
    if (drawn.empty() || bounds.isEmpty()) return nullptr;

    QPixmap pixmap(bounds.size());
    if (pixmap.isNull()) return nullptr;
    pixmap.fill(Qt::transparent);
    QRegion shape;
    {
        QPainter painter(&pixmap);
        for (int row : drawn) {
            list.RenderRow(painter, row, -bounds.topLeft());
            shape += list.RowRect(row).translated(-bounds.topLeft());
        }
    }
    return new DragPicture(std::move(pixmap), shape, cursor - bounds.topLeft(), list.viewport());
}

DragPicture::DragPicture(QPixmap pixmap, const QRegion& shape, QPoint hotSpot, QWidget* parent)
    : QWidget(parent), pixmap_(std::move(pixmap)), hotSpot_(hotSpot) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(pixmap_.size());
    // Only the rows are part of the picture; the gaps between rows that are not next to each
    // other show what lies below.
    if (shape != QRegion(rect())) setMask(shape);
}

void DragPicture::Follow(QPoint cursor) { move(cursor - hotSpot_); }

void DragPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setOpacity(kOpacity);
    painter.drawPixmap(0, 0, pixmap_);
}
