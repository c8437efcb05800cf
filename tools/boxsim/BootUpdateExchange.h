// The boot loader's update after a reset: the PC sends a parameter image or software with its
// length and flash address; the loader checks and stores it and reports the result.
#pragma once

#include <cstdint>

#include "UpdateExchange.h"

namespace zev::boxsim {

inline constexpr std::uint32_t kFullParameterAddress = 0xD0000;
inline constexpr std::uint32_t kChannelParameterAddress = 0x6000;
inline constexpr std::uint32_t kSoftwareAddress = 0x10000;

class BootUpdateExchange : public UpdateExchange {
  public:
    // `sign` is the sign the PC answered: it limits the flash addresses the loader accepts.
    BootUpdateExchange(BoxContext& context, std::uint8_t sign);

  private:
    void takeDescription(const Bytes& header) override;
    void concludeTransfer() override;
    bool addressAllowed(std::uint32_t address) const;

    std::uint8_t sign_;
    std::uint32_t length_ = 0;
    std::uint32_t address_ = 0;
    bool fits_ = false;
};

}  // namespace zev::boxsim
