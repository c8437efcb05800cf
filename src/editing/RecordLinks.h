// Following the numbers by which records refer to each other: a transponder's satellite, the
// transponders of a satellite, the channels of a transponder.
#pragma once

#include <cstddef>
#include <vector>

#include "database/ChannelDatabase.h"

namespace zev {

// The satellite that a transponder's Sat names, or nullptr when it names none in use.
const SatelliteEntry* SatelliteOf(const ChannelDatabase& db, const TransponderEntry& tp);

// Satellites, transponders, TV and radio channels in use, each bounded by its table.
std::size_t SatellitesInUse(const ChannelDatabase& db);
std::size_t TranspondersInUse(const ChannelDatabase& db);

// The slots of the channels in use: TV slots 0 upwards, then radio slots in list order
// (ChannelCapacity - 1 downwards). Where the two areas overlap, a slot both hold is listed
// twice, as each list shows it.
std::vector<std::size_t> ChannelSlotsInUse(const ChannelDatabase& db);

// The same slots, each once: what a change of every record in use must visit, so that no
// record is changed twice.
std::vector<std::size_t> DistinctChannelSlotsInUse(const ChannelDatabase& db);

// Positions of the transponders whose Sat is satellite position + 1, in table order.
std::vector<std::size_t> TranspondersOfSatellite(const ChannelDatabase& db,
                                                 std::size_t satellitePosition);

// Slots of the channels whose TpNumber is transponder position + 1: TV first, then radio, each
// in list order.
std::vector<std::size_t> ChannelsOfTransponder(const ChannelDatabase& db,
                                               std::size_t transponderPosition);

}  // namespace zev
