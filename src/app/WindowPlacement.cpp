#include "app/WindowPlacement.h"

#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "ui/ScreenFit.h"

void PlaceOnScreen(QWidget& window, QSize preferred) {
    // With the native window created, platforms that know the frame (title bar and borders)
    // in advance report it; others report none and leave the frame to the window manager.
    window.winId();
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        window.resize(preferred);
        return;
    }
    QMargins frame =
        window.windowHandle() != nullptr ? window.windowHandle()->frameMargins() : QMargins();
    // Unknown before the window manager framed the window: room for a title bar and borders.
    if (frame.isNull()) frame = EstimatedFrame();
    const QRect area = screen->availableGeometry();
    // The window cannot become smaller than its menus, toolbar and status bar need.
    const QSize size =
        preferred.boundedTo(area.size().shrunkBy(frame)).expandedTo(window.minimumSizeHint());
    window.resize(size);
    QRect placed(QPoint(0, 0), size.grownBy(frame));
    placed.moveCenter(area.center());
    // A window larger than the area keeps its top-left corner, and so its title bar, visible.
    placed.moveTopLeft(
        QPoint(std::max(placed.left(), area.left()), std::max(placed.top(), area.top())));
    window.move(placed.topLeft());
}

QRect FrameInside(const QRect& frame, const QRect& area) {
    QRect placed = frame;
    if (placed.right() > area.right()) placed.moveRight(area.right());
    if (placed.bottom() > area.bottom()) placed.moveBottom(area.bottom());
    if (placed.left() < area.left()) placed.moveLeft(area.left());
    if (placed.top() < area.top()) placed.moveTop(area.top());
    return placed;
}

void KeepFrameOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr || !window.isVisible() || window.isMaximized() || window.isFullScreen()) {
        return;
    }
    const QRect frame = window.frameGeometry();
    const QRect placed = FrameInside(frame, screen->availableGeometry());
    if (placed != frame) window.move(placed.topLeft());
}

void KeepFrameOnScreenOnceFramed(QWidget& window, int tries) {
    if (window.frameGeometry() == window.geometry() && tries > 1) {
        QTimer::singleShot(100, &window,
                           [&window, tries] { KeepFrameOnScreenOnceFramed(window, tries - 1); });
        return;
    }
    KeepFrameOnScreen(window);
}

namespace {

const char* const kGeometryKey = "Window/Geometry";
const char* const kLayoutKey = "Window/Layout";

}  // namespace

bool RestoreWindowLayout(QMainWindow& window) {
    const QSettings settings;
    // The toolbar and the docks as they were, whatever the window's size.
    window.restoreState(settings.value(kLayoutKey).toByteArray());
    // Qt refuses a geometry saved at another scale (another screen or scale factor): the
    // window is then placed afresh.
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !window.restoreGeometry(geometry)) return false;
    // restoreGeometry keeps the window on a screen; one larger than that screen's free area
    // is fitted to it.
    const QScreen* screen = window.screen();
    if (screen != nullptr && !screen->availableGeometry().contains(window.frameGeometry())) {
        PlaceOnScreen(window, window.size());
    }
    return true;
}

void RememberWindowLayout(const QMainWindow& window) {
    QSettings settings;
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.setValue(kLayoutKey, window.saveState());
}
