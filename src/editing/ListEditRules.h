// The rules the satellite and transponder lists follow when they add and remove records:
// where New inserts, what it starts from, when the table is full, and which row is selected
// after a deletion.
#pragma once

#include <cstddef>
#include <optional>

#include "database/ChannelDatabase.h"

namespace zev {

// New inserts before the selected row (-1: none selected), or at the top.
std::size_t InsertPositionFor(int selectedRow);

// After the record at `deleted` of `countBefore` was removed: the row to select, or nullopt
// to leave the selection alone (the first row was deleted).
std::optional<std::size_t> SelectionAfterDelete(std::size_t deleted, std::size_t countBefore);

// How many satellites or transponders the editors may hold: the user block's capacity, never
// more than the tables (and the 8-bit satellite count, the 8-bit Sat) can take.
std::size_t SatelliteLimit(const DatabaseHeader& header);
std::size_t TransponderLimit(const DatabaseHeader& header);

// The record a New starts from: a copy of the record at `position` (whatever that slot holds
// when the table is empty). A transponder added to an empty table starts at satellite 1.
SatelliteEntry NewSatelliteTemplate(const ChannelDatabase& db, std::size_t position);
TransponderEntry NewTransponderTemplate(const ChannelDatabase& db, std::size_t position);

}  // namespace zev
