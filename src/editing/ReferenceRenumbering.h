// Rebuilding the transponder or satellite table after its rows were dragged into a new order,
// with the references other tables hold renumbered to match.
#pragma once

#include <cstddef>
#include <span>

#include "database/ChannelDatabase.h"

namespace zev {

// `previousNumbers[a]` is the 1-based number that the record now shown in row a had before
// the drag (the number at the start of the row's text). The table takes the rows' order and
// every channel's TpNumber follows its transponder. Numbers that are not each of 1 to TpCount
// exactly once (a list out of step with the table) change nothing.
void RebuildTransponderTable(ChannelDatabase& db, std::span<const int> previousNumbers);

// The same for satellites; every transponder's Sat follows its satellite.
void RebuildSatelliteTable(ChannelDatabase& db, std::span<const int> previousNumbers);

// Whether the rows' numbers put a table of `count` records into a new order: each of 1 to
// `count` exactly once, and not all in their old places.
bool IsNewOrder(std::span<const int> previousNumbers, std::size_t count);

}  // namespace zev
