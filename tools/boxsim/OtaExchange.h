// The OTA loader's software update after a reset with sign 0xB0: an information block that
// the loader checks, then the software in 8192-byte blocks, stored at 0x10000.
#pragma once

#include <optional>
#include <string>

#include "BlockReceiver.h"
#include "ByteCollector.h"
#include "Exchange.h"
#include "Handshake.h"

namespace zev::boxsim {

struct InfoProblem {
    bool length;  // the software length is wrong, not some other field
    std::string reason;
};

// Checks the 15-byte information block: length, constant bytes 6 to 9, date and time.
std::optional<InfoProblem> checkSoftwareInfo(std::span<const std::uint8_t> info,
                                             const FlashMemory& flash);

class OtaExchange : public Exchange {
  public:
    explicit OtaExchange(BoxContext& context);

    void start() override;
    void receive(std::uint8_t byte) override;
    std::size_t dataWanted() const override {
        return step_ == Step::Data ? blocks_.dataWanted() : 0;
    }
    void receiveData(std::span<const std::uint8_t> bytes) override { blocks_.receiveData(bytes); }

  private:
    enum class Step { Handshake, Info, Data };

    void takeInfo();
    void concludeTransfer();
    void sendResult(Bytes result, const std::string& why);

    Step step_ = Step::Handshake;
    Handshake handshake_;
    ByteCollector info_;
    BlockReceiver blocks_;
};

}  // namespace zev::boxsim
