// The fixed-column text lines of the satellite and transponder lists: a line of spaces into
// which each field is copied at its column (a longer field runs over the next one's start).
#pragma once

#include <cstddef>
#include <string>

#include "database/ChannelDatabase.h"

namespace zev {

// The satellite at `position` (0-based), numbered position + 1; 70 characters or more.
std::string SatelliteRowText(const ChannelDatabase& db, std::size_t position);

// The transponder at `position`, numbered position + 1, in a line of `width` spaces (73 in the
// Transponder List, 80 in the Transponder Pick).
std::string TransponderRowText(const ChannelDatabase& db, std::size_t position, std::size_t width);

}  // namespace zev
