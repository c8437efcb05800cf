// The simulated receiver as a byte-in / bytes-out state machine, independent of any line: its
// console, its boot loader (updates, settings load and send) and its OTA loader.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "BoxContext.h"
#include "BoxOptions.h"
#include "Exchange.h"
#include "FlashMemory.h"
#include "Transmitter.h"

namespace zev::boxsim {

class BoxSimulator {
  public:
    BoxSimulator(const BoxOptions& options, FlashMemory& flash, Logger log);
    ~BoxSimulator();

    void powerOn();
    // The reset button: abandons any exchange, prints the reset chatter and sends the sign.
    void reset();
    void setSign(std::uint8_t sign) { sign_ = sign; }

    void receive(std::span<const std::uint8_t> bytes);
    // The PC closed the line: an exchange in progress is abandoned.
    void clientDisconnected();

    std::vector<OutputChunk> takeOutput() { return out_.take(); }
    // Settings loads and sends begun so far.
    std::uint64_t requestCount() const { return requests_; }
    bool exchangeActive() const { return exchange_ != nullptr; }
    // True once --vanish's byte count was reached: the receiver is gone.
    bool vanished() const { return vanished_; }

  private:
    enum class Mode { Console, AwaitingSignAnswer, Exchange };

    void handleByte(std::uint8_t byte);
    bool startsRequest(std::uint8_t byte) const;
    void beginExchange(std::unique_ptr<Exchange> exchange, bool fromReset);
    void endExchange();
    void chatter(const std::string& text);

    BoxOptions options_;
    Transmitter out_;
    BoxContext context_;
    std::uint8_t sign_;
    std::uint8_t signSent_ = 0;
    Mode mode_ = Mode::Console;
    std::unique_ptr<Exchange> exchange_;
    bool exchangeFromReset_ = false;
    std::uint32_t userBlockAddress_;
    std::uint64_t receivedInSession_ = 0;
    std::uint64_t requests_ = 0;
    bool vanished_ = false;
};

}  // namespace zev::boxsim
