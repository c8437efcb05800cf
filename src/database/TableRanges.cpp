#include "database/TableRanges.h"

#include <algorithm>

namespace zev {

TableRanges RangesInTables(const DatabaseHeader& h) {
    TableRanges ranges;
    ranges.satellites = std::min<std::size_t>(h.SatCount, kMaxSatellites);
    ranges.transponders = std::min<std::size_t>(h.TpCount, kMaxTransponders);
    ranges.tvRows = std::min<std::size_t>(h.TvCount, kMaxChannelSlots);
    // Radio row r is slot ChannelCapacity - 1 - r: every row has a slot in the table only while
    // the capacity itself fits the table.
    if (h.ChannelCapacity <= kMaxChannelSlots) {
        ranges.radioRows = std::min<std::size_t>(h.RadioCount, h.ChannelCapacity);
    }
    return ranges;
}

}  // namespace zev
