#include "UserBlockHeader.h"

#include "FlashMemory.h"

namespace zev::boxsim {

std::uint32_t readHeaderLong(std::span<const std::uint8_t> block, std::size_t offset) {
    const std::uint32_t high = block[offset] | block[offset + 1] << 8;
    const std::uint32_t low = block[offset + 2] | block[offset + 3] << 8;
    return high << 16 | low;
}

void writeHeaderWord(std::span<std::uint8_t> block, std::size_t offset, std::uint16_t value) {
    block[offset] = static_cast<std::uint8_t>(value);
    block[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void writeHeaderLong(std::span<std::uint8_t> block, std::size_t offset, std::uint32_t value) {
    writeHeaderWord(block, offset, static_cast<std::uint16_t>(value >> 16));
    writeHeaderWord(block, offset + 2, static_cast<std::uint16_t>(value));
}

BlockPlace locateUserBlock(const FlashMemory& flash, std::uint32_t headerAddress,
                           BlockPlace fallback) {
    const auto header = flash.read(headerAddress, kHeaderSize);
    if (header.empty()) {
        return fallback;
    }
    const BlockPlace stored{readHeaderLong(header, kUserBlockAddressOffset),
                            readHeaderLong(header, kUserBlockSizeOffset)};
    const bool usable = stored.size >= kHeaderSize && stored.size <= kLargestUserBlock &&
                        flash.fits(stored.address, stored.size);
    return usable ? stored : fallback;
}

}  // namespace zev::boxsim
