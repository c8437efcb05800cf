// The serial ports the operating system reports, through Qt's port enumeration.
#pragma once

#include "settings/SerialPortList.h"

namespace zev {

class SystemPortLister : public SerialPortLister {
  public:
    std::vector<SerialPortInfo> Ports() const override;
};

}  // namespace zev
