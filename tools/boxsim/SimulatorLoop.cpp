#include "SimulatorLoop.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <iostream>
#include <optional>

#include "BoxSimulator.h"
#include "LineBuffer.h"
#include "OpenCloseWatcher.h"
#include "OutputScheduler.h"
#include "PseudoTerminal.h"
#include "SignalPipe.h"
#include "SymbolicLink.h"

namespace zev::boxsim {

namespace {

using Clock = OutputScheduler::Clock;
using std::chrono::milliseconds;

// While no program has the line open the master cannot be polled (it reports a hang-up at
// once), so without inotify the simulator looks for a new client this often.
constexpr milliseconds kOpenCheckInterval{20};
constexpr std::size_t kReadChunk = 65536;

std::optional<std::uint8_t> signByName(const std::string& text) {
    if (text == "aa") return kSignGeneral;
    if (text == "0e") return kSignParameters;
    if (text == "0f") return kSignSoftware;
    if (text == "b0") return kSignOta;
    return std::nullopt;
}

class SimulatorLoop {
  public:
    SimulatorLoop(const BoxOptions& options, FlashMemory& flash)
        : options_(options),
          box_(options, flash, [this](const std::string& text) { log(text); }),
          output_(options.delayMs, options.slowMs) {}

    int run();

  private:
    void log(const std::string& text) const {
        if (options_.verbose) {
            std::cerr << "zev-boxsim: " << text << std::endl;
        }
    }
    void takeOutput(Clock::time_point now) {
        auto chunks = box_.takeOutput();
        // Nobody listens while the line is closed: what the receiver says then is lost.
        if (connected_) {
            output_.enqueue(std::move(chunks), now);
        }
    }
    void checkConnection(Clock::time_point now);
    void handleOpenCloseEvents(Clock::time_point now);
    void lineOpened(Clock::time_point now);
    void lineClosed();
    void handleSignals(Clock::time_point now);
    void handleStandardInput(Clock::time_point now);
    void handleCommand(const std::string& line, Clock::time_point now);
    void readLine(Clock::time_point now);
    int pollTimeoutMs(Clock::time_point now) const;

    const BoxOptions& options_;
    SignalPipe signals_;
    PseudoTerminal pty_;
    OpenCloseWatcher watcher_;
    int openDescriptors_ = 0;  // the clients' descriptors of the slave, while watched
    BoxSimulator box_;
    OutputScheduler output_;
    LineBuffer commands_;
    bool running_ = true;
    bool connected_ = false;
    bool stdinOpen_ = true;
    std::optional<Clock::time_point> resetDue_;
    std::uint64_t requestsAtOpen_ = 0;
};

int SimulatorLoop::run() {
    std::string error;
    if (!pty_.open(error)) {
        std::cerr << "zev-boxsim: " << error << std::endl;
        return 1;
    }
    // Watch before the path is made known, so that no client's open goes unseen.
    if (!watcher_.start(pty_.slavePath())) {
        log("cannot watch the line with inotify; looking at its hang-up state instead");
    }
    SymbolicLink link;
    if (!options_.linkPath.empty() && !link.create(options_.linkPath, pty_.slavePath(), error)) {
        std::cerr << "zev-boxsim: " << error << std::endl;
        return 1;
    }
    std::cout << pty_.slavePath() << std::endl;
    log("receiver on " + pty_.slavePath());
    box_.powerOn();
    takeOutput(Clock::now());

    while (running_) {
        Clock::time_point now = Clock::now();
        if (!watcher_.active()) checkConnection(now);
        if (resetDue_ && now >= *resetDue_) {
            resetDue_.reset();
            if (box_.requestCount() == requestsAtOpen_) {
                log("reset on open");
                box_.reset();
                takeOutput(now);
            } else {
                log("reset on open skipped: a settings request came first");
            }
        }
        const auto write = [this](const std::uint8_t* data, std::size_t size) {
            return pty_.write(data, size);
        };
        if (connected_ && !output_.writeDue(now, write)) {
            log("write to the line failed");
        }

        std::array<pollfd, 4> fds{};
        nfds_t count = 0;
        fds[count++] = {signals_.readFd(), POLLIN, 0};
        const nfds_t watchIndex = watcher_.active() ? count++ : 0;
        if (watcher_.active()) fds[watchIndex] = {watcher_.fd(), POLLIN, 0};
        const nfds_t stdinIndex = stdinOpen_ ? count++ : 0;
        if (stdinOpen_) fds[stdinIndex] = {STDIN_FILENO, POLLIN, 0};
        const nfds_t lineIndex = connected_ ? count++ : 0;
        if (connected_) {
            const auto next = output_.nextWriteTime();
            const bool blocked = next && *next <= now;
            fds[lineIndex] = {pty_.masterFd(), static_cast<short>(POLLIN | (blocked ? POLLOUT : 0)),
                              0};
        }
        if (poll(fds.data(), count, pollTimeoutMs(now)) < 0 && errno != EINTR) {
            std::cerr << "zev-boxsim: poll failed" << std::endl;
            return 1;
        }
        now = Clock::now();
        if (fds[0].revents != 0) handleSignals(now);
        // Opens and closes before the line's bytes, so that bytes of a new client find it known.
        if (watcher_.active() && fds[watchIndex].revents != 0) handleOpenCloseEvents(now);
        if (stdinOpen_ && fds[stdinIndex].revents != 0) handleStandardInput(now);
        if (connected_ && (fds[lineIndex].revents & POLLIN) != 0) readLine(now);
        // A program may close the line and another open it before the next look at the line:
        // the hang-up reported meanwhile still counts as a close.
        if (!watcher_.active() && connected_ && (fds[lineIndex].revents & POLLHUP) != 0) {
            lineClosed();
        }
    }
    log("ending");
    return 0;
}

// A program opening the slave side clears the master's hang-up; closing it raises it again.
void SimulatorLoop::checkConnection(Clock::time_point now) {
    const bool connected = pty_.clientConnected();
    if (connected == connected_) {
        return;
    }
    if (connected) {
        lineOpened(now);
    } else {
        lineClosed();
    }
}

void SimulatorLoop::handleOpenCloseEvents(Clock::time_point now) {
    for (const auto event : watcher_.drain()) {
        if (event == OpenCloseWatcher::Event::Opened) {
            if (openDescriptors_++ == 0) lineOpened(now);
        } else if (openDescriptors_ > 0 && --openDescriptors_ == 0) {
            lineClosed();
        }
    }
}

void SimulatorLoop::lineOpened(Clock::time_point now) {
    connected_ = true;
    log("a program opened the line");
    if (options_.resetOnOpenMs) {
        resetDue_ = now + milliseconds(*options_.resetOnOpenMs);
        requestsAtOpen_ = box_.requestCount();
    }
}

void SimulatorLoop::lineClosed() {
    connected_ = false;
    log("the program closed the line");
    box_.clientDisconnected();
    output_.clear();
    resetDue_.reset();
}

void SimulatorLoop::handleSignals(Clock::time_point now) {
    for (const int number : signals_.drain()) {
        if (number == SIGUSR1) {
            log("reset by SIGUSR1");
            box_.reset();
            takeOutput(now);
        } else {
            log("ending on signal " + std::to_string(number));
            running_ = false;
        }
    }
}

void SimulatorLoop::handleStandardInput(Clock::time_point now) {
    char buffer[1024];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    if (count <= 0) {
        stdinOpen_ = false;
        if (options_.exitOnEof) {
            log("end of standard input");
            running_ = false;
        }
        return;
    }
    commands_.append(std::string_view(buffer, static_cast<std::size_t>(count)));
    while (const auto line = commands_.nextLine()) {
        handleCommand(*line, now);
    }
}

void SimulatorLoop::handleCommand(const std::string& line, Clock::time_point now) {
    if (line == "reset") {
        log("reset from standard input");
        box_.reset();
        takeOutput(now);
    } else if (line == "quit") {
        running_ = false;
    } else if (line.starts_with("sign ")) {
        if (const auto sign = signByName(line.substr(5))) {
            box_.setSign(*sign);
            log("sign is now " + line.substr(5));
        } else {
            log("unknown sign in: " + line);
        }
    } else if (!line.empty()) {
        log("unknown command: " + line);
    }
}

void SimulatorLoop::readLine(Clock::time_point now) {
    static std::array<std::uint8_t, kReadChunk> buffer;
    for (;;) {
        const long count = pty_.read(buffer.data(), buffer.size());
        if (count <= 0) {
            break;  // nothing more now, or the slave side went away (its close is seen apart)
        }
        box_.receive(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(count)));
        if (box_.vanished()) {
            log("vanished: closing the line");
            pty_.close();
            running_ = false;
            return;
        }
        takeOutput(now);
    }
}

int SimulatorLoop::pollTimeoutMs(Clock::time_point now) const {
    std::optional<Clock::time_point> wake;
    const auto earliest = [&wake](Clock::time_point t) {
        if (!wake || t < *wake) wake = t;
    };
    if (!connected_ && !watcher_.active()) earliest(now + kOpenCheckInterval);
    if (resetDue_) earliest(*resetDue_);
    if (connected_) {
        if (const auto next = output_.nextWriteTime(); next && *next > now) earliest(*next);
    }
    if (!wake) {
        return -1;
    }
    const auto wait = std::chrono::ceil<milliseconds>(*wake - now).count();
    return static_cast<int>(std::max<decltype(wait)>(wait, 0));
}

}  // namespace

int runSimulator(const BoxOptions& options, FlashMemory& flash) {
    SimulatorLoop loop(options, flash);
    return loop.run();
}

}  // namespace zev::boxsim
