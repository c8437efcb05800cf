// The database header the program starts with: the image header's markers and the flash
// layout of the flash settings. The desktop program's terminal, zev-cli's receiver commands and
// its build command all begin from it.
#pragma once

#include <cstdint>

#include "database/ChannelDatabase.h"

namespace zev {

inline constexpr uint8_t kStartupMarkerA = 0xFA;
inline constexpr uint8_t kStartupMarkerB = 0xFC;
inline constexpr uint8_t kStartupMarkerC = 0xFE;

// Sets the three markers and the flash layout (UpdateFlashLayout) of the two indices; every
// other field stays as it was.
void ApplyStartupHeader(DatabaseHeader& header, int flashSizeIndex, int userSizeIndex);

}  // namespace zev
