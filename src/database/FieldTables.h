// The numeric fields of the header and of each record, by name and in declared order, for code
// that goes through every field of a record (comparing two databases). Names (character
// arrays) are left to the callers.
#pragma once

#include <cstdint>
#include <span>

#include "database/ChannelDatabase.h"

namespace zev {

template <typename Record>
struct FieldOf {
    const char* name;
    uint32_t (*get)(const Record&);
};

std::span<const FieldOf<DatabaseHeader>> HeaderFieldTable();
std::span<const FieldOf<SatelliteEntry>> SatelliteFieldTable();
std::span<const FieldOf<TransponderEntry>> TransponderFieldTable();
std::span<const FieldOf<ChannelEntry>> ChannelFieldTable();

}  // namespace zev
