// Satellites and their transponders as the common XML exchange format lists them, with the
// values as the file gives them (the reading and writing of the XML itself is elsewhere).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/ChannelDatabase.h"

namespace zev {

struct FileTransponder {
    uint64_t frequency = 0;     // kHz
    uint64_t symbolRate = 0;    // symbols per second
    uint32_t polarization = 0;  // 0 horizontal, 1 vertical, 2 and 3 circular
    std::size_t line = 0;       // where the file gives it, for messages (0: unknown)
};

struct FileSatellite {
    std::string name;  // UTF-8
    int position = 0;  // tenths of a degree, east positive, west negative
    std::vector<FileTransponder> transponders;
    std::size_t line = 0;
};

struct TransponderFile {
    std::vector<FileSatellite> satellites;
};

// The file form of a database: one satellite for each of its satellites, in table order, with
// its transponders in table order (frequency and symbol rate times 1000, polarisation 0 or 1).
// `positions[s]` is the position of satellite s, or none (0).
TransponderFile TransponderFileOf(const ChannelDatabase& db,
                                  std::span<const std::optional<int>> positions);

// An orbital position as people write it: "19.2E", "30.0W", "0.8w" (at most one decimal, at
// most 180 degrees); nullopt for any other text.
std::optional<int> ParseOrbitalPosition(std::string_view text);

// "19.2E", "30.0W", "0.0E".
std::string OrbitalPositionText(int tenths);

}  // namespace zev
