#include "ui/ScreenFit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QMargins EstimatedFrame() {
    // A title bar about as high as two lines of text, and thin borders.
    const int title = 2 * QFontMetrics(QGuiApplication::font()).height();
    return QMargins(4, title, 4, 4);
}

void FitOnScreen(QWidget& window, QSize preferred) {
    const QSize wanted = preferred.isValid()                    ? preferred
                         : window.testAttribute(Qt::WA_Resized) ? window.size()
                                                                : window.sizeHint();
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        window.resize(wanted);
        return;
    }
    const QMargins frame = EstimatedFrame();
    const QSize room = screen->availableGeometry().size().shrunkBy(frame);
    window.resize(wanted.boundedTo(room).expandedTo(window.minimumSizeHint()));
}
