// Where the main window opens, and its size, place and bars remembered between runs.
#pragma once

#include <QRect>
#include <QSize>

class QMainWindow;
class QWidget;

// Sizes the top-level `window` to `preferred`, shrunk where needed to the available area of
// its screen (the desktop less panels and task bars, in the same scaled pixels as the window),
// and centres it in that area, so that no part of it opens off screen.
void PlaceOnScreen(QWidget& window, QSize preferred);

// Where a window framed as `frame` goes so that the whole frame, title bar first, lies in
// `area`: moved as little as possible; a frame larger than the area keeps its top-left corner
// in it.
QRect FrameInside(const QRect& frame, const QRect& area);

// Once the window manager has framed the shown `window`, moves it so that its title bar and
// borders are on its screen. Before the frame is known a window can only be placed by an
// estimate of it, and some window managers put the window itself where its frame was meant to
// go, leaving the title bar off the screen.
void KeepFrameOnScreen(QWidget& window);
// The same at the window's first activation: a window manager may report the frame a moment
// later, more so on a busy machine, so while no frame is known it looks again shortly (for at
// most about a second; a platform without frames has none to keep).
void KeepFrameOnScreenOnceFramed(QWidget& window, int tries = 10);

// The main window's geometry and the layout of its toolbar and docks as the last run left them
// (kept in the user's settings); false when no geometry could be restored (none was kept, or
// it was kept at another scale), so that the window is still to be placed.
bool RestoreWindowLayout(QMainWindow& window);
void RememberWindowLayout(const QMainWindow& window);
