#include "editing/ListEditRules.h"

#include <algorithm>

namespace zev {

namespace {

// SatCount and Sat are 8 bits wide: satellite number 255 is the last one they can hold.
constexpr std::size_t kMaxSatelliteNumber = 255;

}  // namespace

std::size_t InsertPositionFor(int selectedRow) {
    return selectedRow < 0 ? 0 : static_cast<std::size_t>(selectedRow);
}

std::optional<std::size_t> SelectionAfterDelete(std::size_t deleted, std::size_t countBefore) {
    if (deleted == 0) return std::nullopt;
    return deleted + 1 == countBefore ? deleted - 1 : deleted;
}

std::size_t SatelliteLimit(const DatabaseHeader& header) {
    return std::min<std::size_t>(header.SatCapacity, kMaxSatelliteNumber);
}

std::size_t TransponderLimit(const DatabaseHeader& header) {
    return std::min<std::size_t>(header.TpCapacity, kMaxTransponders);
}

SatelliteEntry NewSatelliteTemplate(const ChannelDatabase& db, std::size_t position) {
    return db.satellites[std::min(position, kMaxSatellites - 1)];
}

TransponderEntry NewTransponderTemplate(const ChannelDatabase& db, std::size_t position) {
    TransponderEntry record = db.transponders[std::min(position, kMaxTransponders - 1)];
    // Set in the copy, not in the unused slot, so that a cancelled New leaves no trace.
    if (db.header.TpCount == 0) record.Sat = 1;
    return record;
}

}  // namespace zev
