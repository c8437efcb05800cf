// Where the main window opens, and its size, place and bars remembered between runs.
#pragma once

#include <QSize>

class QMainWindow;
class QWidget;

// Sizes the top-level `window` to `preferred`, shrunk where needed to the available area of
// its screen (the desktop less panels and task bars, in the same scaled pixels as the window),
// and centres it in that area, so that no part of it opens off screen.
void PlaceOnScreen(QWidget& window, QSize preferred);

// The main window's geometry and the layout of its toolbar and docks as the last run left them
// (kept in the user's settings); false when no geometry could be restored (none was kept, or
// it was kept at another scale), so that the window is still to be placed.
bool RestoreWindowLayout(QMainWindow& window);
void RememberWindowLayout(const QMainWindow& window);
