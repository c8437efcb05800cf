#include "serial/link/LinkRunHost.h"

#include "serial/link/SerialLink.h"

namespace zev {

bool LinkRunHost::OpenLink() { return link_.OpenPort(); }

void LinkRunHost::CloseLink() { link_.ClosePort(); }

bool LinkRunHost::LinkOpen() const { return link_.portConnected(); }

std::string LinkRunHost::PortName() const { return link_.Settings().portName; }

int LinkRunHost::SendByte(uint8_t value) { return link_.WriteBytes(&value, 1); }

}  // namespace zev
