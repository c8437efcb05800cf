// Which record a finding or a difference is about, as the lists show it: a satellite or a
// transponder by its position, a channel by its row in the TV or radio list and the slot that
// row maps to.
#pragma once

#include <cstddef>
#include <string>

#include "core/Translatable.h"
#include "database/ChannelDatabase.h"

namespace zev {

enum class RecordKind { Header, Satellite, Transponder, TvChannel, RadioChannel };

struct RecordRef {
    RecordKind kind = RecordKind::Header;
    std::size_t position = 0;  // 0-based; the number the user sees is position + 1
    std::size_t slot = 0;      // channels only: the channel slot of that row

    std::size_t Number() const { return position + 1; }
    bool operator==(const RecordRef&) const = default;
};

inline RecordRef SatelliteRef(std::size_t position) { return {RecordKind::Satellite, position, 0}; }
inline RecordRef TransponderRef(std::size_t position) {
    return {RecordKind::Transponder, position, 0};
}
inline RecordRef TvRef(const ChannelDatabase& db, std::size_t row) {
    return {RecordKind::TvChannel, row, db.TvSlot(row)};
}
inline RecordRef RadioRef(const ChannelDatabase& db, std::size_t row) {
    return {RecordKind::RadioChannel, row, db.RadioSlot(row)};
}

// "Satellite 3", "Transponder 12", "TV channel 4", "Radio channel 1", "Header".
Translatable RecordLabel(const RecordRef& record);

}  // namespace zev
