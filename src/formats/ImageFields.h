// Where each numeric field of a satellite, transponder and channel lies in its image record,
// and how many of its bits the image keeps: the one statement of the record layout. The
// records are encoded and decoded from it, and whether a value is too wide for the image (the
// database check, zev-cli's JSON reader) is told from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "database/ChannelDatabase.h"
#include "database/FieldTables.h"

namespace zev::image {

template <typename Record>
struct ImageField {
    const FieldOf<Record>* field;  // name, value and setter
    std::size_t word;              // byte offset of the field's 16-bit word in the record
    unsigned shift;                // the field's lowest bit in that word
    unsigned bits;                 // the bits the image keeps, and reads back
    unsigned writtenBits;          // the bits written: `bits`, or the whole word (AC3PID)

    // The largest value the image keeps.
    uint32_t Most() const { return (uint32_t{1} << bits) - 1; }
};

std::span<const ImageField<SatelliteEntry>> SatelliteImageFields();
std::span<const ImageField<TransponderEntry>> TransponderImageFields();
std::span<const ImageField<ChannelEntry>> ChannelImageFields();

// Where the 12 name bytes lie.
inline constexpr std::size_t kSatelliteNameOffset = 6;
inline constexpr std::size_t kChannelNameOffset = 0;

}  // namespace zev::image
