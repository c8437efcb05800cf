// Titles and 80-character lines of the two small lists that show what hangs below a record:
// the transponders of a satellite and the channels of a transponder.
#pragma once

#include <cstddef>
#include <string>

#include "core/Translatable.h"
#include "database/ChannelDatabase.h"

namespace zev {

// "Satellite: <name>  Total TP: <count>" (the name in UTF-8).
Translatable SatelliteTranspondersTitle(const ChannelDatabase& db, std::size_t satellitePosition,
                                        std::size_t count);

// "Transponder <n>: <frequency> <H|V> <symbol>  Total CH: <count>".
Translatable TransponderChannelsTitle(const ChannelDatabase& db, std::size_t transponderPosition,
                                      std::size_t count);

// A transponder of a satellite: its number in the whole table, frequency, polarisation and
// symbol rate.
std::string SatelliteTransponderLine(const ChannelDatabase& db, std::size_t transponderPosition);

// A channel of a transponder: "TV" or "Radio" and its name.
std::string TransponderChannelLine(const ChannelEntry& channel);

}  // namespace zev
