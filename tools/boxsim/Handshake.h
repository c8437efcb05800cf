// The opening common to all the receiver's exchanges: hello frame, the PC's hello answer
// 02 01 0A 03, then the ready frame (boot loader) or information request (OTA loader). The
// settings exchanges open earlier: the receiver echoes the request as its sign and sends the
// hello frame only after the PC's sign answer 0x55.
#pragma once

#include <cstdint>

#include "BoxContext.h"
#include "ByteCollector.h"

namespace zev::boxsim {

class Handshake {
  public:
    enum class Progress { Pending, Ready, Failed };

    // `helloCommand` 0x01 and `readyCommand` 0x02 for the boot loader, 0xB1 and 0xB4 for the
    // OTA loader; the version goes into the ready frame's payload.
    Handshake(BoxContext& context, std::uint8_t helloCommand, std::uint8_t readyCommand,
              std::uint8_t versionMajor);

    void start();                           // sends the hello frame
    void startWithSign(std::uint8_t sign);  // sends the sign; the hello frame follows its answer
    // Ready: the hello answer was right and the ready frame has gone out.
    Progress receive(std::uint8_t byte);

  private:
    Bytes readyFrame() const;

    BoxContext& context_;
    std::uint8_t helloCommand_;
    std::uint8_t readyCommand_;
    std::uint8_t versionMajor_;
    bool awaitingSignAnswer_ = false;
    ByteCollector answer_;
};

}  // namespace zev::boxsim
