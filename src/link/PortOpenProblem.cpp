#include "link/PortOpenProblem.h"

#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zev {

std::string PortOpenProblem(const QString& path, QSerialPort::SerialPortError error,
                            const QString& errorText) {
    const std::string name = path.toStdString();
#if defined(Q_OS_UNIX)
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) return name + " does not exist.";
    if (!S_ISCHR(info.st_mode)) return name + " is not a serial device.";
    if (::access(name.c_str(), R_OK | W_OK) != 0) {
        return "No permission to use " + name + " (a member of its group may, often \"dialout\").";
    }
    // With the permission there, Qt's permission error is a device held by another program.
    if (error == QSerialPort::PermissionError) return name + " is in use by another program.";
#endif
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return name + " does not exist.";
        case QSerialPort::PermissionError:
            return name + " is in use by another program, or may not be used by this user.";
        case QSerialPort::UnsupportedOperationError:
            return name + " is not a serial device.";
        default:
            break;
    }
    std::string why = errorText.toStdString();
    if (why.empty()) why = "it cannot be opened";
    return name + ": " + why + (why.back() == '.' ? "" : ".");
}

}  // namespace zev
