#include "editing/TransponderFile.h"

#include <cstdlib>

#include "core/Latin1Text.h"
#include "core/TextFormat.h"
#include "database/RecordName.h"
#include "editing/RecordLinks.h"

namespace zev {

TransponderFile TransponderFileOf(const ChannelDatabase& db,
                                  std::span<const std::optional<int>> positions) {
    TransponderFile file;
    const std::size_t satellites = SatellitesInUse(db);
    const std::size_t transponders = TranspondersInUse(db);
    file.satellites.resize(satellites);
    for (std::size_t s = 0; s < satellites; ++s) {
        file.satellites[s].name = Latin1ToUtf8(NameBytes(db.satellites[s].Name));
        if (s < positions.size() && positions[s]) file.satellites[s].position = *positions[s];
    }
    for (std::size_t i = 0; i < transponders; ++i) {
        const TransponderEntry& tp = db.transponders[i];
        if (tp.Sat < 1 || tp.Sat > satellites) continue;
        file.satellites[tp.Sat - 1].transponders.push_back({uint64_t{tp.Frequency} * 1000,
                                                            uint64_t{tp.Symbol} * 1000,
                                                            tp.Polarization != 0 ? 1u : 0u, 0});
    }
    return file;
}

std::optional<int> ParseOrbitalPosition(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    const char side = text.back();
    int sign = 0;
    if (side == 'E' || side == 'e') sign = 1;
    if (side == 'W' || side == 'w') sign = -1;
    if (sign == 0) return std::nullopt;
    text.remove_suffix(1);
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view tenth = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 3 || !digits(whole) || tenth.size() > 1 || !digits(tenth) ||
        (dot != std::string_view::npos && tenth.empty())) {
        return std::nullopt;
    }
    const int tenths =
        std::atoi(std::string(whole).c_str()) * 10 + (tenth.empty() ? 0 : tenth[0] - '0');
    if (tenths > 1800) return std::nullopt;
    return sign * tenths;
}

std::string OrbitalPositionText(int tenths) {
    const int magnitude = std::abs(tenths);
    return Format("%d.%d%c", magnitude / 10, magnitude % 10, tenths < 0 ? 'W' : 'E');
}

}  // namespace zev
