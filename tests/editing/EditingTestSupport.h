// Small databases for the editing tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"

namespace zev::testing {

// 8M bits, 2 sectors: 156 satellites, 2000 transponders, 4000 channel slots.
inline std::unique_ptr<ChannelDatabase> MakeDatabase() {
    auto db = std::make_unique<ChannelDatabase>();
    UpdateFlashLayout(db->header, 2, 2);
    return db;
}

template <std::size_t N>
void SetName(std::array<char, N>& field, const std::string& name) {
    field.fill('\0');
    std::memcpy(field.data(), name.data(), std::min(name.size(), N - 1));
}

inline void AddSatellite(ChannelDatabase& db, const std::string& name) {
    SatelliteEntry& sat = db.satellites[db.header.SatCount++];
    sat = SatelliteEntry{};
    SetName(sat.Name, name);
}

inline void AddTransponder(ChannelDatabase& db, uint8_t sat, uint16_t frequency = 11000) {
    TransponderEntry& tp = db.transponders[db.header.TpCount++];
    tp = TransponderEntry{};
    tp.Sat = sat;
    tp.Frequency = frequency;
}

inline void AddTv(ChannelDatabase& db, uint16_t tpNumber, const std::string& name = "TV") {
    ChannelEntry& ch = db.Tv(db.header.TvCount++);
    ch = ChannelEntry{};
    ch.TpNumber = tpNumber;
    SetName(ch.Name, name);
}

inline void AddRadio(ChannelDatabase& db, uint16_t tpNumber, const std::string& name = "R") {
    ChannelEntry& ch = db.Radio(db.header.RadioCount++);
    ch = ChannelEntry{};
    ch.RadioFlag = 1;
    ch.TpNumber = tpNumber;
    SetName(ch.Name, name);
}

// A line of `width` spaces with `fields` written at their columns.
inline std::string Line(std::size_t width,
                        const std::vector<std::pair<std::size_t, std::string>>& fields) {
    std::string line(width, ' ');
    for (const auto& [column, text] : fields) line.replace(column, text.size(), text);
    return line;
}

}  // namespace zev::testing
