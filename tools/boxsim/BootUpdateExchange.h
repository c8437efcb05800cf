// The boot loader's update after a reset: the PC sends a parameter image or software with its
// length and flash address; the loader checks and stores it and reports the result.
#pragma once

#include <cstdint>

#include "BlockReceiver.h"
#include "Exchange.h"
#include "Handshake.h"

namespace zev::boxsim {

inline constexpr std::uint32_t kFullParameterAddress = 0xD0000;
inline constexpr std::uint32_t kChannelParameterAddress = 0x6000;
inline constexpr std::uint32_t kSoftwareAddress = 0x10000;

class BootUpdateExchange : public Exchange {
  public:
    // `sign` is the sign the PC answered: it limits the flash addresses the loader accepts.
    BootUpdateExchange(BoxContext& context, std::uint8_t sign);

    void start() override;
    void receive(std::uint8_t byte) override;
    std::size_t dataWanted() const override {
        return step_ == Step::Data ? blocks_.dataWanted() : 0;
    }
    void receiveData(std::span<const std::uint8_t> bytes) override { blocks_.receiveData(bytes); }

  private:
    enum class Step { Handshake, Header, Data };

    void takeHeader();
    bool addressAllowed(std::uint32_t address) const;
    void sendResult(Bytes result, const std::string& why);
    void concludeTransfer();

    std::uint8_t sign_;
    Step step_ = Step::Handshake;
    Handshake handshake_;
    ByteCollector header_;
    BlockReceiver blocks_;
    std::uint32_t length_ = 0;
    std::uint32_t address_ = 0;
    bool fits_ = false;
};

}  // namespace zev::boxsim
