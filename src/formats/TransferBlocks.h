// Bulk data travels to and from the receiver in blocks of 8192 bytes, and both ends count the
// blocks in 8 bits: what a transfer can carry.
#pragma once

#include <cstdint>

namespace zev {

inline constexpr uint32_t kBlockSize = 0x2000;
inline constexpr uint32_t kMaxBlocks = 255;

inline uint32_t BlockCountFor(uint32_t length) {
    return static_cast<uint32_t>((static_cast<uint64_t>(length) + kBlockSize - 1) / kBlockSize);
}

}  // namespace zev
