// The serial-port and flash settings kept in default.dat.
#pragma once

#include <string>

#include "settings/PortChoice.h"

namespace zev {

struct LinkSettings {
    int baudRate = 115200;
    int dataBits = 8;
    PortChoice<Parity> parity = Parity::None;
    std::string portName = "COM1";
    PortChoice<StopBits> stopBits = StopBits::One;
    PortChoice<FlowControl> flowControl = FlowControl::None;
    int flashSizeIndex = 2;
    int userSizeIndex = 2;

    bool operator==(const LinkSettings&) const = default;
};

}  // namespace zev
