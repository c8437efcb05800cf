// Where the rows of the TV and radio lists keep their channels. TV row r is slot r; radio row r
// is slot ChannelCapacity - 1 - r. Every index stays inside the slot table, even with a header
// whose counts or capacity an image or a later flash setting made inconsistent.
#pragma once

#include <cstddef>

#include "database/ChannelDatabase.h"

namespace zev {

struct ChannelListShape {
    bool tv = true;
    std::size_t capacity = 0;  // ChannelCapacity, at most the slot table's size
    std::size_t rows = 0;      // rows the list shows

    std::size_t Slot(std::size_t row) const { return tv ? row : capacity - 1 - row; }
    bool ValidRow(std::size_t row) const { return row < rows; }
};

// TV rows: TvCount, at most the slot table's size; radio rows: RadioCount, at most the capacity.
ChannelListShape ShapeOf(const DatabaseHeader& header, bool tv);

// True when no further channel fits: TvCount + RadioCount has reached the capacity.
bool ChannelSlotsFull(const DatabaseHeader& header);

}  // namespace zev
