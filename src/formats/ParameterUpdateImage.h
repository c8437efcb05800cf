// The ParameterUpdateImage that Update Parameters sends: a 54-byte header with a table entry
// per record kind, then the records of a parsed parameter data file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "formats/ParameterDataFile.h"

namespace zev {

inline constexpr std::size_t kUpdateHeaderSize = 54;

// Header and records: with the full-database layout satellites, transponders and 28-byte
// channel records; without it the 34-byte channel-list records alone.
uint32_t UpdateImageLength(const ParameterDataFile& data);

std::array<uint8_t, kUpdateHeaderSize> UpdateImageHeader(const ParameterDataFile& data);

// Empty when every line found room in its table and the image fits `bufferSize` bytes;
// otherwise a sentence saying what does not fit.
Translatable UpdateImageProblem(const ParameterDataFile& data, std::size_t bufferSize);

// Writes header and records into `image`, which holds at least UpdateImageLength bytes (the
// caller has checked UpdateImageProblem).
void BuildUpdateImage(const ParameterDataFile& data, std::span<uint8_t> image);

// The record counts as the terminal reports them when the image is built: "\n  S:[1]\n  T:[1]
// \n  C:[1]" with the full-database layout, "C:[3]" without it.
std::string UpdateImageCountsText(const ParameterDataFile& data);

}  // namespace zev
