// Byte order of the receiver's parameter image: 16-bit words low byte first, 32-bit values as
// two words with the more significant word first, names as character pairs swapped per word.
// Callers pass offsets they have already checked against the image size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/ByteOrder.h"
#include "database/ChannelDatabase.h"

namespace zev::image {

inline constexpr std::size_t kNameBytes = 12;

inline uint16_t ReadWord(std::span<const uint8_t> bytes, std::size_t offset) {
    return ReadLe16(bytes.data() + offset);
}

inline void WriteWord(std::span<uint8_t> bytes, std::size_t offset, uint16_t value) {
    WriteLe16(bytes.data() + offset, value);
}

inline uint32_t ReadLong(std::span<const uint8_t> bytes, std::size_t offset) {
    return (static_cast<uint32_t>(ReadWord(bytes, offset)) << 16) | ReadWord(bytes, offset + 2);
}

inline void WriteLong(std::span<uint8_t> bytes, std::size_t offset, uint32_t value) {
    WriteWord(bytes, offset, static_cast<uint16_t>(value >> 16));
    WriteWord(bytes, offset + 2, static_cast<uint16_t>(value & 0xFFFF));
}

// Image byte 2k holds character 2k + 1 and image byte 2k + 1 holds character 2k.
inline void ReadName(std::span<const uint8_t> bytes, std::size_t offset,
                     std::array<char, kNameFieldSize>& name) {
    SwapPairs(bytes.data() + offset, reinterpret_cast<uint8_t*>(name.data()), kNameBytes);
    name[kNameBytes] = '\0';
}

inline void WriteName(std::span<uint8_t> bytes, std::size_t offset,
                      const std::array<char, kNameFieldSize>& name) {
    SwapPairs(reinterpret_cast<const uint8_t*>(name.data()), bytes.data() + offset, kNameBytes);
}

}  // namespace zev::image
