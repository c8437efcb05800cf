// Where each numeric field of a satellite, transponder and channel lies in its image record,
// and how many of its bits the image keeps: the one statement of the record layout. The
// records are encoded and decoded from it, and whether a value is too wide for the image (the
// database check, zev-cli's JSON reader, the CSV import, the transponder update) is told from
// it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

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

// The image fields of a record type: ImageFieldsOf<ChannelEntry>().
template <typename Record>
std::span<const ImageField<Record>> ImageFieldsOf();
template <>
inline std::span<const ImageField<SatelliteEntry>> ImageFieldsOf() {
    return SatelliteImageFields();
}
template <>
inline std::span<const ImageField<TransponderEntry>> ImageFieldsOf() {
    return TransponderImageFields();
}
template <>
inline std::span<const ImageField<ChannelEntry>> ImageFieldsOf() {
    return ChannelImageFields();
}

// The largest value the image keeps of the record's field named `name`.
template <typename Record>
uint32_t ImageMost(std::string_view name) {
    for (const ImageField<Record>& f : ImageFieldsOf<Record>()) {
        if (name == f.field->name) return f.Most();
    }
    return 0;  // callers name fields of the table
}

// Whether the image keeps every numeric field of the record as it is.
template <typename Record>
bool FitsImage(const Record& record) {
    for (const ImageField<Record>& f : ImageFieldsOf<Record>()) {
        if (f.field->get(record) > f.Most()) return false;
    }
    return true;
}

// Where the 12 name bytes lie.
inline constexpr std::size_t kSatelliteNameOffset = 6;
inline constexpr std::size_t kChannelNameOffset = 0;

}  // namespace zev::image
