// The OTA loader's software update after a reset with sign 0xB0: an information block that
// the loader checks, then the software in 8192-byte blocks, stored at 0x10000.
#pragma once

#include <optional>
#include <string>

#include "UpdateExchange.h"

namespace zev::boxsim {

struct InfoProblem {
    bool length;  // the software length is wrong, not some other field
    std::string reason;
};

// Checks the 15-byte information block: length, constant bytes 6 to 9, date and time.
std::optional<InfoProblem> checkSoftwareInfo(std::span<const std::uint8_t> info,
                                             const FlashMemory& flash);

class OtaExchange : public UpdateExchange {
  public:
    explicit OtaExchange(BoxContext& context);

  private:
    void takeDescription(const Bytes& framed) override;
    void concludeTransfer() override;
};

}  // namespace zev::boxsim
