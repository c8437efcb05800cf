// Fields of a parameter block's 72-byte header that the receiver itself needs: where its user
// block lies and how large it is. 32-bit values are stored as two 16-bit words, the more
// significant word first, each word low byte first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zev::boxsim {

inline constexpr std::size_t kHeaderSize = 72;
inline constexpr std::size_t kDefaultBlockAddressOffset = 34;
inline constexpr std::size_t kDefaultBlockSizeOffset = 38;
inline constexpr std::size_t kUserBlockAddressOffset = 42;
inline constexpr std::size_t kUserBlockSizeOffset = 46;

// The largest user block the PC can take in.
inline constexpr std::uint32_t kLargestUserBlock = 0x40000;

std::uint32_t readHeaderLong(std::span<const std::uint8_t> block, std::size_t offset);
void writeHeaderLong(std::span<std::uint8_t> block, std::size_t offset, std::uint32_t value);
void writeHeaderWord(std::span<std::uint8_t> block, std::size_t offset, std::uint16_t value);

struct BlockPlace {
    std::uint32_t address;
    std::uint32_t size;
};

// Where the user block lies according to the header stored at `headerAddress`; `fallback` when
// that header is erased or names no block that fits the flash and the PC's buffer.
class FlashMemory;
BlockPlace locateUserBlock(const FlashMemory& flash, std::uint32_t headerAddress,
                           BlockPlace fallback);

}  // namespace zev::boxsim
