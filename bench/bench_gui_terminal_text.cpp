// A text file opened in the terminal as the command line opens it: the time from start-up with
// the file named to the first paint of the shown window, then to the paint after a jump to the
// end of the text and after one more line from the receiver. Files of MEGABYTES (default 20)
// in one single line and in lines of 100 characters (only the one named by the second
// argument, "one-line" or "lines", when given); every time in milliseconds.
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_gui_terminal_text [MEGABYTES [one-line|lines]]
//   DISPLAY=:NN build/bin/bench_gui_terminal_text [MEGABYTES [one-line|lines]]
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BenchGui.h"
#include "BenchSupport.h"
#include "app/CMainFrame.h"
#include "app/CZevApp.h"
#include "app/CZevView.h"

namespace {

// Nothing is asked while the file is shown; a message is printed instead.
class QuietPrompts : public bench::SilentPrompts {
  public:
    zev::MsgAnswer Message(const QString& text, const QString&, zev::MsgIcon, zev::MsgButtons,
                           zev::MsgAnswer answer) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return answer;
    }
    int RunDialog(QDialog& dialog) override {
        dialog.reject();
        return dialog.result();
    }
};

void Measure(const char* name, const QString& path) {
    QuietPrompts prompts;
    auto app = std::make_unique<CZevApp>(prompts);
    QElapsedTimer timer;
    timer.start();
    if (!app->Start({path})) {
        std::printf("%-28s refused\n", name);
        return;
    }
    CMainFrame& frame = app->Frame();
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame)) std::fprintf(stderr, "not exposed\n");
    frame.repaint();
    QApplication::processEvents();
    const double shown = bench::Milliseconds(timer);

    CZevView& view = frame.Terminal();
    timer.restart();
    view.moveCursor(QTextCursor::End);
    view.ensureCursorVisible();
    view.viewport()->repaint();
    const double end = bench::Milliseconds(timer);

    timer.restart();
    view.AppendText("\nthe receiver says hello");
    view.viewport()->repaint();
    const double append = bench::Milliseconds(timer);
    std::printf("%-28s shown %9.1f   end %8.1f   append %8.1f   (%d lines)\n", name, shown, end,
                append, view.document()->blockCount());
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const long megabytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const qsizetype size = static_cast<qsizetype>(megabytes) * 1024 * 1024;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());  // default.dat goes there

    const QString oneLine = dir.filePath("one-line.txt");
    {
        QFile file(oneLine);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(QByteArray(size, 'x'));
    }
    const QString manyLines = dir.filePath("many-lines.txt");
    {
        QFile file(manyLines);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        QByteArray line(99, 'y');
        line += '\n';
        for (qsizetype written = 0; written + line.size() <= size; written += line.size()) {
            file.write(line);
        }
    }
    std::printf("%ld MB, milliseconds:\n", megabytes);
    if (only.isEmpty() || only == "one-line") Measure("one line", oneLine);
    if (only.isEmpty() || only == "lines") Measure("lines of 100 characters", manyLines);
    return 0;
}
