#include "Input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>

#include "lists/ListControl.h"

namespace soak::input {
namespace {

constexpr int kScrollWaitMs = 2000;

QPoint RowPoint(ListControl& list, int row) {
    list.scrollTo(list.Rows().index(row, 0));
    return QPoint(20, list.RowRect(row).center().y());
}

}  // namespace

void Click(ListControl& list, int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, RowPoint(list, row));
}

bool ClickBesideRows(ListControl& list) {
    QWidget* viewport = list.viewport();
    const QPoint point(20, viewport->height() - 2);
    if (list.RowAt(point) >= 0) return false;
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
    return true;
}

void DoubleClick(ListControl& list, int row) {
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(list, row));
}

void DoubleClickLine(QListView& list, int row) {
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                       list.visualRect(index).center());
}

void Drag(ListControl& list, int from, int to, Hold hold, int scrollSteps, bool releaseOutside) {
    QWidget* viewport = list.viewport();
    const QPoint start = RowPoint(list, from);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(viewport, start + QPoint(0, QApplication::startDragDistance() + 2));
    if (hold != Hold::None) {
        const QPoint outside(20, hold == Hold::Above ? -5 : viewport->height() + 5);
        QScrollBar& bar = *list.verticalScrollBar();
        QSignalSpy scrolled(&bar, &QScrollBar::valueChanged);
        QTest::mouseMove(viewport, outside);
        // The list scrolls a line per step while the cursor stays there, until it reaches its
        // end.
        const auto atEnd = [&] {
            return hold == Hold::Above ? bar.value() == bar.minimum()
                                       : bar.value() == bar.maximum();
        };
        for (int step = 0; step < scrollSteps && !atEnd(); ++step) {
            if (!scrolled.wait(kScrollWaitMs)) break;
        }
        if (releaseOutside) {
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, outside);
            return;
        }
    }
    const QPoint end = RowPoint(list, to);
    QTest::mouseMove(viewport, end);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, end);
}

void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(&widget, c.toLatin1());
            continue;
        }
        // QTest knows keys only for ASCII; other letters come as the text of a key event.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
        QApplication::sendEvent(&widget, &release);
    }
}

}  // namespace soak::input
