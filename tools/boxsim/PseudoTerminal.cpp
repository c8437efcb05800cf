#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zev::boxsim {

PseudoTerminal::~PseudoTerminal() { close(); }

bool PseudoTerminal::open(std::string& error) {
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, nullptr, nullptr) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    termios settings{};
    if (tcgetattr(slave, &settings) == 0) {
        cfmakeraw(&settings);
        cfsetispeed(&settings, B115200);
        cfsetospeed(&settings, B115200);
        tcsetattr(slave, TCSANOW, &settings);
    }
    // The settings stay with the terminal; keeping the slave open would hide a client's
    // opening and closing from the master.
    ::close(slave);
    slavePath_ = name;
    const int flags = fcntl(master_, F_GETFL);
    fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    return true;
}

void PseudoTerminal::close() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

bool PseudoTerminal::clientConnected() const {
    pollfd entry{master_, POLLIN, 0};
    if (poll(&entry, 1, 0) < 0) {
        return false;
    }
    return (entry.revents & POLLHUP) == 0;
}

long PseudoTerminal::read(std::uint8_t* buffer, std::size_t size) {
    const ssize_t count = ::read(master_, buffer, size);
    if (count >= 0) {
        return count;
    }
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

long PseudoTerminal::write(const std::uint8_t* data, std::size_t size) {
    const ssize_t count = ::write(master_, data, size);
    if (count >= 0) {
        return count;
    }
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

}  // namespace zev::boxsim
