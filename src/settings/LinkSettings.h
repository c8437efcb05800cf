// The serial-port and flash settings kept in default.dat.
#pragma once

#include <string>

namespace zev {

struct LinkSettings {
    int baudRate = 115200;
    int dataBits = 8;
    std::string parity = "None";
    std::string portName = "COM1";
    std::string stopBits = "1";
    std::string flowControl = "None";
    int flashSizeIndex = 2;
    int userSizeIndex = 2;

    bool operator==(const LinkSettings&) const = default;
};

}  // namespace zev
