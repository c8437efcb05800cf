#include "cli/ReceiverEventLoop.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "cli/Interrupts.h"
#include "cli/ReceiverTerminal.h"
#include "link/SerialLink.h"

namespace zev::cli {

namespace {

// How often the loop looks at the interrupt flag.
constexpr int kCheckMilliseconds = 50;
// The longest interval a QTimer takes.
constexpr long long kMaxTimerMilliseconds = std::numeric_limits<int>::max();

}  // namespace

LoopEnd RunReceiverLoop(SerialLink& link, ReceiverHost& host, int silenceSeconds,
                        bool untilRunFinished) {
    QEventLoop loop;
    LoopEnd end = LoopEnd::RunFinished;
    bool lost = false;
    bool silent = false;

    QTimer silence;
    silence.setSingleShot(true);
    QObject::connect(&silence, &QTimer::timeout, [&] { silent = true; });
    if (silenceSeconds > 0) {
        // Counted in 64 bits and held to what the timer takes (the command line allows no
        // more), so that a long wait never wraps round into a short one.
        const long long milliseconds =
            std::min(static_cast<long long>(silenceSeconds) * 1000, kMaxTimerMilliseconds);
        silence.start(static_cast<int>(milliseconds));
        QObject::connect(&link, &SerialLink::Notify, &silence, [&] { silence.start(); });
    }
    // Connected after the notification pump, so the session has handled the loss first.
    QObject::connect(&link, &SerialLink::LinkLost, &loop, [&] {
        lost = true;
        loop.quit();
    });
    // Queued, so the session finishes the byte that ended the run before the loop returns.
    if (untilRunFinished) {
        host.OnRunFinished(
            [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
    }

    const auto ended = [&]() -> bool {
        if (untilRunFinished && host.Outcome().has_value()) {
            end = LoopEnd::RunFinished;
        } else if (lost) {
            end = LoopEnd::LinkLost;
        } else if (InterruptGuard::Interrupted()) {
            end = LoopEnd::Interrupted;
        } else if (silent) {
            end = LoopEnd::TimedOut;
        } else {
            return false;
        }
        return true;
    };
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (ended()) loop.quit();
    });
    check.start(kCheckMilliseconds);
    if (!ended()) loop.exec();
    host.OnRunFinished(nullptr);
    ended();
    return end;
}

}  // namespace zev::cli
