// Where the main window opens.
#pragma once

#include <QSize>

class QWidget;

// Sizes the top-level `window` to `preferred`, shrunk where needed to the available area of
// its screen (the desktop less panels and task bars, in the same scaled pixels as the window),
// and centres it in that area, so that no part of it opens off screen.
void PlaceOnScreen(QWidget& window, QSize preferred);
