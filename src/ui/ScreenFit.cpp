#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// The window manager's title bar and borders, which are not known before the window shows.
constexpr QSize kFrameRoom(16, 48);

}  // namespace

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
    const QSize room = screen->availableGeometry().size() - kFrameRoom;
    window.resize(wanted.boundedTo(room).expandedTo(window.minimumSizeHint()));
}
