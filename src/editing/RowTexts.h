// The fixed-column text lines of the satellite and transponder lists: a line of spaces into
// which each field is copied at its column (a longer field runs over the next one's start).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "database/ChannelDatabase.h"

namespace zev {

// The satellite at `position` (0-based), numbered position + 1; 70 characters or more.
std::string SatelliteRowText(const ChannelDatabase& db, std::size_t position);

// The transponder at `position`, numbered position + 1, in a line of `width` spaces (73 in the
// Transponder List, 80 in the Transponder Pick).
std::string TransponderRowText(const ChannelDatabase& db, std::size_t position, std::size_t width);

// The number a row carries at its start, read from its first 4 characters only, as the lists
// read it back after a drag (leading spaces skipped, digits up to the first other character;
// 0 when there are none).
int RowNumberOf(std::string_view rowText);

}  // namespace zev
