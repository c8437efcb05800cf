#include "link/PortFlowControl.h"

#include <QSerialPort>
#include <cstdint>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <termios.h>
#else
#error "Serial ports are handled on POSIX systems and on Windows only"
#endif

namespace zev {
namespace {

constexpr uint8_t kXon = 0x11;
constexpr uint8_t kXoff = 0x13;

}  // namespace

FlowFields WithFlowChoice(FlowFields fields, const PortChoice<FlowControl>& choice) {
    if (choice == FlowControl::Hardware) fields.ctsOutput = true;
    if (choice == FlowControl::XonXoff) fields.xonXoff = true;
    return fields;
}

bool ApplyFlowFields(QSerialPort& port, const FlowFields& fields) {
    if (!fields.ctsOutput && !fields.xonXoff) return true;
#if defined(Q_OS_WIN)
    const HANDLE handle = port.handle();
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(handle, &dcb)) return false;
    if (fields.ctsOutput) {
        dcb.fOutxCtsFlow = TRUE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
    }
    if (fields.xonXoff) {
        dcb.fOutX = TRUE;
        dcb.fInX = TRUE;
        dcb.XonChar = static_cast<char>(kXon);
        dcb.XoffChar = static_cast<char>(kXoff);
        dcb.XonLim = 50;
        dcb.XoffLim = 50;
    }
    return ::SetCommState(handle, &dcb) != 0;
#else
    const int fd = static_cast<int>(port.handle());
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) return false;
    if (fields.ctsOutput) {
#if defined(CCTS_OFLOW)
        settings.c_cflag |= CCTS_OFLOW;
#else
        settings.c_cflag |= CRTSCTS;
#endif
    }
    if (fields.xonXoff) {
        settings.c_iflag |= IXON | IXOFF;
        settings.c_cc[VSTART] = kXon;
        settings.c_cc[VSTOP] = kXoff;
    }
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) return false;
#if defined(CCTS_OFLOW)
    if (fields.ctsOutput) {
        // RTS held on, not handshaked; a device without modem lines (a pseudo-terminal) has
        // none to hold, which is no failure.
        int rts = TIOCM_RTS;
        ::ioctl(fd, TIOCMBIS, &rts);
    }
#endif
    return true;
#endif
}

}  // namespace zev
