// The serial-link half of a RunHost, on a SerialLink, shared by the desktop program and
// zev-cli; the terminal and the message boxes stay with each of them.
#pragma once

#include "protocols/RunHost.h"

namespace zev {

class SerialLink;

class LinkRunHost : public RunHost {
  public:
    explicit LinkRunHost(SerialLink& link) : link_(link) {}

    bool OpenLink() override;
    void CloseLink() override;
    bool LinkOpen() const override;
    std::string PortName() const override;
    std::string LinkProblem() const override;
    int SendByte(uint8_t value) override;
    std::size_t SendBytes(const uint8_t* bytes, std::size_t count) override;
    // Through Qt's event loop, after the notification being handled.
    void RunLater(std::function<void()> step) override;

    SerialLink& Link() { return link_; }

  private:
    SerialLink& link_;
};

}  // namespace zev
