// Throughput of a software update over a pseudo-terminal against zev-boxsim, beside a raw
// copy of the same bytes through a pseudo-terminal. The protocol must not be the bottleneck:
// the update should reach at least a quarter of the raw throughput.
//
// Usage: bench_transfer [BYTES] [--monitor]   (default 2,000,000; zev-boxsim is looked for
// beside it). With --monitor the update is also run with --log, which writes every byte that
// passes in the line monitor's text form; it should keep at least 80% of the speed without.
// (bench_gui_line_monitor measures the desktop program's Line Monitor window.)
// Each figure is the best of five runs.
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "cli/CliOptions.h"
#include "cli/ReceiverCommands.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Copies the bytes from the master to the slave end of a fresh pseudo-terminal in raw mode.
double RawCopySeconds(const std::vector<char>& payload) {
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return -1;
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    const auto start = Clock::now();
    std::thread writer([&] {
        std::size_t done = 0;
        while (done < payload.size()) {
            const ssize_t n = write(master, payload.data() + done, payload.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
    });
    std::vector<char> buffer(65536);
    std::size_t received = 0;
    while (received < payload.size()) {
        const ssize_t n = read(slave, buffer.data(), buffer.size());
        if (n <= 0) break;
        received += static_cast<std::size_t>(n);
    }
    const double seconds = Seconds(start);
    writer.join();
    close(master);
    close(slave);
    return received == payload.size() ? seconds : -1;
}

// Runs zev-cli's update-software in this process against a simulated receiver; with a
// `logPath`, as `--log logPath`.
double UpdateSeconds(const std::vector<char>& payload, const QString& boxsim, int& status,
                     const std::string& logPath = {}) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("bench.cus").toStdString();
    std::ofstream(file, std::ios::binary).write(payload.data(), static_cast<long>(payload.size()));

    QProcess box;
    const std::string pty = bench::StartSoftwareLoader(box, boxsim);
    if (pty.empty()) return -1;

    zev::cli::CliOptions options;
    options.command = "update-software";
    options.args = {file};
    options.port = pty;
    options.timeoutSeconds = 30;
    if (!logPath.empty()) options.log = logPath;
    std::ostringstream out;
    std::ostringstream err;
    const auto start = Clock::now();
    status = zev::cli::RunReceiverCommand(options, out, err);
    const double seconds = Seconds(start);
    box.terminate();
    box.waitForFinished(5000);
    if (status != 0) std::fprintf(stderr, "%s%s\n", out.str().c_str(), err.str().c_str());
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::size_t size = 2000000;
    bool monitor = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--monitor") {
            monitor = true;
        } else {
            size = std::strtoul(argv[i], nullptr, 10);
        }
    }
    const QString boxsim = bench::BoxsimPath();
    const auto payload = bench::Payload(size);

    // Best of several runs: single runs on a busy machine vary a lot.
    double raw = -1;
    double update = -1;
    double logged = -1;
    long logBytes = 0;
    int status = 0;
    QTemporaryDir logDir;
    const std::string logPath = logDir.filePath("line.log").toStdString();
    // The modes take turns, so that a busy moment of the machine does not favour one.
    for (int run = 0; run < kRuns && status == 0; ++run) {
        bench::KeepBest(raw, RawCopySeconds(payload));
        bench::KeepBest(update, UpdateSeconds(payload, boxsim, status));
        if (monitor && status == 0) {
            bench::KeepBest(logged, UpdateSeconds(payload, boxsim, status, logPath));
            std::ifstream log(logPath, std::ios::binary | std::ios::ate);
            logBytes = static_cast<long>(log.tellg());
        }
    }
    if (raw <= 0 || update <= 0 || status != 0 || (monitor && logged <= 0)) {
        std::fprintf(stderr, "bench_transfer: a transfer failed (update exit %d)\n", status);
        return 1;
    }
    const double rawRate = size / raw / 1e6;
    const double updateRate = size / update / 1e6;
    std::printf("raw pty copy:     %zu bytes in %.3f s = %.2f MB/s\n", size, raw, rawRate);
    std::printf("update-software:  %zu bytes in %.3f s = %.2f MB/s (%.0f%% of raw)\n", size, update,
                updateRate, 100.0 * updateRate / rawRate);
    if (monitor) {
        const double loggedRate = size / logged / 1e6;
        std::printf(
            "  with --log:      %zu bytes in %.3f s = %.2f MB/s (%.0f%% of the update "
            "without it; %ld bytes of log)\n",
            size, logged, loggedRate, 100.0 * loggedRate / updateRate, logBytes);
    }
    return 0;
}
