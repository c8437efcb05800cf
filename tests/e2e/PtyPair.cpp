#include "e2e/PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zev::test {

QCoreApplication& TestApp() {
    static int argc = 1;
    static char name[] = "test_e2e";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

bool SpinUntil(const std::function<bool()>& done, int milliseconds) {
    TestApp();
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}

PtyPair::PtyPair() {
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, nullptr, nullptr) != 0) {
        master_ = -1;
        return;
    }
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    slavePath_ = name;
    close(slave);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() { CloseMaster(); }

void PtyPair::CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

termios PtyPair::SlaveSettings() const {
    termios settings{};
    tcgetattr(master_, &settings);
    return settings;
}

void PtyPair::SetSlaveSettings(const termios& settings) { tcsetattr(master_, TCSANOW, &settings); }

void PtyPair::Write(const std::vector<uint8_t>& bytes) {
    std::size_t done = 0;
    QElapsedTimer clock;
    clock.start();
    while (done < bytes.size() && clock.elapsed() < 5000) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else {
            QCoreApplication::processEvents();
        }
    }
}

std::vector<uint8_t> PtyPair::Read(std::size_t count, int milliseconds) {
    std::vector<uint8_t> got;
    SpinUntil(
        [&] {
            uint8_t buffer[4096];
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n > 0) got.insert(got.end(), buffer, buffer + n);
            return got.size() >= count;
        },
        milliseconds);
    return got;
}

}  // namespace zev::test
