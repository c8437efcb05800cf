// A made-up channel database laid out as the receiver's user block, so that a first settings
// load from the simulator shows a real-looking list.
#pragma once

#include <cstdint>

#include "WireFormat.h"

namespace zev::boxsim {

struct SampleCounts {
    int satellites;
    int transponders;
    int tvChannels;
    int radioChannels;
};

inline constexpr SampleCounts kSampleCounts{3, 20, 40, 10};

// The block for the user area at `userAddress` of `userSize` bytes; the default-channel block
// is taken to lie in the 0x10000 bytes before it.
Bytes buildSampleUserBlock(std::uint32_t userAddress, std::uint32_t userSize);

}  // namespace zev::boxsim
