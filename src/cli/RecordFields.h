// The numeric fields of the header and of each record, by name and in declared order, with
// their largest value. Shared by the JSON form and the text table so that both always list the
// same fields under the same names. Names (character arrays) are handled by their users.
#pragma once

#include <cstdint>
#include <span>

#include "database/ChannelDatabase.h"

namespace zev::cli {

template <typename Record>
struct NumberField {
    const char* name;
    uint32_t most;
    uint32_t (*get)(const Record&);
    void (*set)(Record&, uint32_t);
};

std::span<const NumberField<DatabaseHeader>> HeaderFields();
std::span<const NumberField<SatelliteEntry>> SatelliteFields();
std::span<const NumberField<TransponderEntry>> TransponderFields();
std::span<const NumberField<ChannelEntry>> ChannelFields();

}  // namespace zev::cli
