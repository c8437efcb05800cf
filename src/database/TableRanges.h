// How many records of each kind lie inside the tables. The counts in the header normally say
// so, but a header that came from an image or from a change of the flash layout can claim more
// than the tables hold; code that walks every record uses these ranges and never reads past a
// table.
#pragma once

#include <cstddef>

#include "database/ChannelDatabase.h"

namespace zev {

struct TableRanges {
    std::size_t satellites = 0;    // positions 0 .. satellites - 1
    std::size_t transponders = 0;  // positions 0 .. transponders - 1
    std::size_t tvRows = 0;        // TV rows 0 .. tvRows - 1 (slot = row)
    std::size_t radioRows = 0;     // radio rows 0 .. radioRows - 1 (slot = ChannelCapacity-1-row)
};

TableRanges RangesInTables(const DatabaseHeader& header);

}  // namespace zev
