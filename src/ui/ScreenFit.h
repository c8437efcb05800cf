// Windows that fit the screen: at a large scale factor (QT_SCALE_FACTOR=2 on a 1600x1000
// screen leaves 800x500 pixels to lay out in) a dialog sized for a desktop of pixels would put
// its OK, Cancel or Close button beyond the screen's edge.
#pragma once

#include <QMargins>
#include <QSize>

class QWidget;

// What a window manager adds around a window (title bar and borders), in the program's pixels,
// while it is not known: before the window was first shown.
QMargins EstimatedFrame();

// Sizes the top-level `window` to `preferred` (when not valid: the size it was given, else its
// size hint),
// shrunk to the available area of its screen with room for a title bar and borders, but never
// below what its layout needs.
void FitOnScreen(QWidget& window, QSize preferred = QSize());
