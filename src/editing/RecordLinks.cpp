#include "editing/RecordLinks.h"

#include <algorithm>

namespace zev {

const SatelliteEntry* SatelliteOf(const ChannelDatabase& db, const TransponderEntry& tp) {
    if (tp.Sat < 1 || tp.Sat > SatellitesInUse(db)) return nullptr;
    return &db.satellites[tp.Sat - 1u];
}

std::size_t SatellitesInUse(const ChannelDatabase& db) {
    return std::min<std::size_t>(db.header.SatCount, kMaxSatellites);
}

std::size_t TranspondersInUse(const ChannelDatabase& db) {
    return std::min<std::size_t>(db.header.TpCount, kMaxTransponders);
}

std::vector<std::size_t> ChannelSlotsInUse(const ChannelDatabase& db) {
    const DatabaseHeader& h = db.header;
    const std::size_t capacity = std::min<std::size_t>(h.ChannelCapacity, kMaxChannelSlots);
    const std::size_t tvCount = std::min<std::size_t>(h.TvCount, kMaxChannelSlots);
    const std::size_t radioCount = std::min<std::size_t>(h.RadioCount, capacity);
    std::vector<std::size_t> slots;
    slots.reserve(tvCount + radioCount);
    for (std::size_t row = 0; row < tvCount; ++row) slots.push_back(row);
    for (std::size_t row = 0; row < radioCount; ++row) slots.push_back(capacity - 1 - row);
    return slots;
}

std::vector<std::size_t> DistinctChannelSlotsInUse(const ChannelDatabase& db) {
    const std::vector<std::size_t> listed = ChannelSlotsInUse(db);
    // The TV slots come first and are 0 to TvCount - 1: a radio slot below TvCount is one of them.
    const std::size_t tvCount = std::min<std::size_t>(db.header.TvCount, kMaxChannelSlots);
    std::vector<std::size_t> slots(listed.begin(), listed.begin() + tvCount);
    for (std::size_t i = tvCount; i < listed.size(); ++i) {
        if (listed[i] >= tvCount) slots.push_back(listed[i]);
    }
    return slots;
}

std::vector<std::size_t> TranspondersOfSatellite(const ChannelDatabase& db,
                                                 std::size_t satellitePosition) {
    std::vector<std::size_t> positions;
    const std::size_t count = TranspondersInUse(db);
    for (std::size_t i = 0; i < count; ++i) {
        if (db.transponders[i].Sat == satellitePosition + 1) positions.push_back(i);
    }
    return positions;
}

std::vector<std::size_t> ChannelsOfTransponder(const ChannelDatabase& db,
                                               std::size_t transponderPosition) {
    std::vector<std::size_t> slots;
    for (std::size_t slot : ChannelSlotsInUse(db)) {
        if (db.channels[slot].TpNumber == transponderPosition + 1) slots.push_back(slot);
    }
    return slots;
}

}  // namespace zev
