// Encoding and decoding of the image's header and records, field by field and bit by bit.
// Every function works on a record at `offset`; the caller has checked that it lies inside
// the image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "database/ChannelDatabase.h"

namespace zev::image {

inline constexpr std::size_t kHeaderBytes = 72;
inline constexpr std::size_t kHeaderFieldBytes = 50;  // bytes 0..49 carry the header fields
inline constexpr std::size_t kSatelliteBytes = 18;
inline constexpr std::size_t kTransponderBytes = 8;
inline constexpr std::size_t kChannelBytes = 28;
inline constexpr uint16_t kDefaultBlockMagic = 0x4567;
inline constexpr uint16_t kMaxTpNumber = 0x7FF;  // 11 bits, bits 15-5 of the word

DatabaseHeader DecodeHeader(std::span<const uint8_t> block);
// Writes all 72 header bytes with `magic` in place of header.Magic.
void EncodeHeader(const DatabaseHeader& header, uint16_t magic, std::span<uint8_t> block);

SatelliteEntry DecodeSatellite(std::span<const uint8_t> block, std::size_t offset);
void EncodeSatellite(const SatelliteEntry& entry, std::span<uint8_t> block, std::size_t offset);

TransponderEntry DecodeTransponder(std::span<const uint8_t> block, std::size_t offset);
void EncodeTransponder(const TransponderEntry& entry, std::span<uint8_t> block, std::size_t offset);

ChannelEntry DecodeChannel(std::span<const uint8_t> block, std::size_t offset);
void EncodeChannel(const ChannelEntry& entry, std::span<uint8_t> block, std::size_t offset);

}  // namespace zev::image
