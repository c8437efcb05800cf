// Capacities and flash addresses of the receiver's parameter blocks, chosen by the flash size
// (1 = 4M bits, 2 = 8M bits, 3 = 16M bits) and the user-parameter size (1..4 sectors).
#pragma once

#include "database/ChannelDatabase.h"

namespace zev {

// Sets the ten capacity and block fields of the header; leaves everything else alone.
// Combinations without a row (4M bits, unknown indices) change nothing.
void UpdateFlashLayout(DatabaseHeader& header, int flashSizeIndex, int userSizeIndex);

}  // namespace zev
