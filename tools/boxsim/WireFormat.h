// Byte-level conventions of the serial line as the receiver sees them: little-endian numbers,
// the frame bytes and the data checksum over 16-bit words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zev::boxsim {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;
inline constexpr std::size_t kBlockSize = 8192;

// Number of 8192-byte blocks that carry `length` bytes (the last one may be short).
std::size_t blockCount(std::uint32_t length);

void appendLe32(Bytes& out, std::uint32_t value);
std::uint32_t readLe32(std::span<const std::uint8_t> bytes, std::size_t offset);

// Sum of the data taken as little-endian 16-bit words in a wrapping 32-bit accumulator; an odd
// last byte forms a word with 0xFF as its high byte.
std::uint32_t dataChecksum(std::span<const std::uint8_t> data);

// Frames the receiver sends: STX, the command byte, the payload, ETX.
Bytes frame(std::uint8_t command, std::span<const std::uint8_t> payload = {});
Bytes frameWithAddress(std::uint8_t command, std::uint32_t address);

// "0x1A2B", for the log.
std::string hexText(std::uint32_t value);

}  // namespace zev::boxsim
