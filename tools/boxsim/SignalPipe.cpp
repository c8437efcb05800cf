#include "SignalPipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zev::boxsim {

namespace {

int pipeFds[2] = {-1, -1};
constexpr int kHandledSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGUSR1};

void onSignal(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t ignored = ::write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

SignalPipe::SignalPipe() {
    if (pipe(pipeFds) == 0) {
        for (const int fd : pipeFds) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int number : kHandledSignals) {
        sigaction(number, &action, nullptr);
    }
    // A PC-side program that vanishes must not kill the simulator through a write.
    std::signal(SIGPIPE, SIG_IGN);
}

SignalPipe::~SignalPipe() {
    for (const int number : kHandledSignals) {
        std::signal(number, SIG_DFL);
    }
    for (int& fd : pipeFds) {
        ::close(fd);
        fd = -1;
    }
}

int SignalPipe::readFd() const { return pipeFds[0]; }

std::vector<int> SignalPipe::drain() {
    std::vector<int> signals;
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1) {
        signals.push_back(byte);
    }
    return signals;
}

}  // namespace zev::boxsim
