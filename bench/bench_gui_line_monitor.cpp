// The Line Monitor must not slow transfers: Update Software of BYTES (default 2,000,000) in
// the desktop program against zev-boxsim over a pseudo-terminal, with the Line Monitor window
// closed and open (floating beside the main window, both shown offscreen, so the monitor's
// rows are painted), best of five each. Then the monitor's memory: what its ring took, and the
// process's resident memory before and after 256 MB more pass through a ring and its rows.
//
// Usage: bench_gui_line_monitor [BYTES]   (zev-boxsim is looked for beside it)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchGui.h"
#include "BenchSupport.h"
#include "app/CLineMonitorWnd.h"
#include "app/CMainFrame.h"
#include "app/CZevApp.h"
#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/CommandTable.h"
#include "app/ReceiverController.h"
#include "link/LineLog.h"
#include "link/LineMonitorModel.h"

namespace {

constexpr int kRuns = 5;

struct MonitorFigures {
    std::size_t memory = 0;
    std::size_t bytes = 0;
    std::size_t pieces = 0;
    int rows = 0;
};

// Seconds from Update Software to the run's end, or -1 when it did not succeed.
double UpdateSeconds(const QString& software, const QString& boxsim, bool monitorOpen,
                     MonitorFigures& figures) {
    QProcess box;
    const std::string pty = bench::StartSoftwareLoader(box, boxsim);
    if (pty.empty()) return -1;

    bench::SilentPrompts prompts;
    CZevApp program(prompts);
    if (!program.Start({})) return -1;
    program.Doc().SetPortOverride(pty);
    CMainFrame& frame = program.Frame();
    frame.show();
    if (monitorOpen) {
        frame.Execute(cmd::LineMonitor);
        // A window of its own, so the terminal keeps its size (a smaller terminal paints
        // faster, which would flatter the monitor).
        frame.LineMonitor()->setFloating(true);
        frame.LineMonitor()->resize(700, 500);
    }
    CZevView& view = frame.Terminal();
    ReceiverController& receiver = frame.Receiver();
    receiver.DataFile().SetCurrentFile(software.toStdString());
    QCoreApplication::processEvents();

    QEventLoop loop;
    QObject::connect(&receiver, &ReceiverController::StateChanged, &loop, [&] {
        if (receiver.Session().Mode() == zev::ProtocolMode::Idle) loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    frame.Execute(cmd::UpdateSoftware);
    if (receiver.Session().Mode() != zev::ProtocolMode::Idle) loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    const bool over = view.toPlainText().contains(QStringLiteral("<<Update Over!>>"));
    if (monitorOpen && frame.LineMonitor() != nullptr) {
        CLineMonitorWnd& monitor = *frame.LineMonitor();
        monitor.Refresh();
        figures = {monitor.Log().MemoryBytes(), monitor.Log().BytesHeld(),
                   monitor.Log().ChunksHeld(), monitor.Model().rowCount()};
    }
    frame.Execute(cmd::StopUpdate);
    box.terminate();
    box.waitForFinished(5000);
    return over ? seconds : -1;
}

// 256 MB through a ring and its rows, as a monitor left open through many transfers would see.
// Resident memory is taken once the ring is full (16 MB in) and at the end.
void LongRun() {
    long warm = -1;
    zev::LineLog log;
    zev::LineMonitorModel model(log);
    std::vector<uint8_t> block(8192, 0x5A);
    std::vector<uint8_t> answer(100, 0xA5);
    std::size_t passed = 0;
    for (int i = 0; passed < (std::size_t{256} << 20); ++i) {
        log.OnLineChunk(zev::LineDirection::Sent, zev::LineClock::now(), block);
        log.OnLineChunk(zev::LineDirection::Received, zev::LineClock::now(), answer);
        passed += block.size() + answer.size();
        if (i % 50 == 0) model.Sync();
        if (warm < 0 && passed >= (std::size_t{16} << 20)) warm = bench::ResidentKiB();
    }
    model.Sync();
    const long after = bench::ResidentKiB();
    std::printf(
        "long run: %zu MB passed; ring holds %zu bytes in %zu pieces (%zu MB dropped); "
        "%d rows; resident memory %ld KiB at 16 MB, %ld KiB at the end (ring %zu KiB)\n",
        passed >> 20, log.BytesHeld(), log.ChunksHeld(),
        static_cast<std::size_t>(log.DroppedBytes() >> 20), model.rowCount(), warm, after,
        log.MemoryBytes() >> 10);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t size = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 2000000;
    const QString boxsim = bench::BoxsimPath();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());  // default.dat of the runs goes here
    const QString software = dir.filePath("bench.cus");
    {
        const std::vector<char> payload = bench::Payload(size);
        QFile file(software);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(payload.data(), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
            return 1;
        }
    }
    double closed = -1;
    double open = -1;
    MonitorFigures figures;
    // Each goes first in turn, so that neither gains from the other's warming up.
    for (int run = 0; run < kRuns; ++run) {
        if (run % 2 == 0) bench::KeepBest(closed, UpdateSeconds(software, boxsim, false, figures));
        bench::KeepBest(open, UpdateSeconds(software, boxsim, true, figures));
        if (run % 2 == 1) bench::KeepBest(closed, UpdateSeconds(software, boxsim, false, figures));
    }
    if (closed <= 0 || open <= 0) {
        std::fprintf(stderr, "bench_gui_line_monitor: an update failed\n");
        return 1;
    }
    const double closedRate = size / closed / 1e6;
    const double openRate = size / open / 1e6;
    std::printf("update-software, monitor closed: %zu bytes in %.3f s = %.2f MB/s\n", size, closed,
                closedRate);
    std::printf(
        "update-software, monitor open:   %zu bytes in %.3f s = %.2f MB/s (%.0f%% of "
        "closed)\n",
        size, open, openRate, 100.0 * openRate / closedRate);
    std::printf(
        "monitor after the run: %zu bytes in %zu pieces, %d rows; its ring took %zu KiB "
        "once and never grows\n",
        figures.bytes, figures.pieces, figures.rows, figures.memory >> 10);
    LongRun();
    return 0;
}
