// Why a serial port could not be opened, in words a person can act on: the device is not
// there, is no serial device, is in use, or may not be used by this user.
#pragma once

#include <QSerialPort>
#include <QString>
#include <string>

namespace zev {

// A sentence naming the device `path`, from what the system says of it and what Qt reported.
std::string PortOpenProblem(const QString& path, QSerialPort::SerialPortError error,
                            const QString& errorText);

}  // namespace zev
