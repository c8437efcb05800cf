// The numeric fields of the header and of each record, by name and in declared order, with
// their largest value, for code that goes through every field of a record (comparing two
// databases, zev-cli's JSON form and text table), so that all of them list the same fields
// under the same names. Names (character arrays) are left to the callers.
#pragma once

#include <cstdint>
#include <span>

#include "database/ChannelDatabase.h"

namespace zev {

template <typename Record>
struct FieldOf {
    const char* name;
    uint32_t most;
    uint32_t (*get)(const Record&);
    void (*set)(Record&, uint32_t);
};

std::span<const FieldOf<DatabaseHeader>> HeaderFieldTable();
std::span<const FieldOf<SatelliteEntry>> SatelliteFieldTable();
std::span<const FieldOf<TransponderEntry>> TransponderFieldTable();
std::span<const FieldOf<ChannelEntry>> ChannelFieldTable();

}  // namespace zev
