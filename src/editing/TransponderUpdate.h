// Bringing the transponders of the database up to date from a transponder file (the common XML
// exchange format, TransponderFile.h), in three steps a program can show in between:
//
// 1. Tying: each satellite of the database is tied to at most one satellite of the file. A
//    satellite with a position is tied to the file's satellite at that position; one without to
//    the only file satellite whose name contains its name (letters compared without regard to
//    case). No such satellite, or several, leaves it untied, and it is not changed.
// 2. Planning, for each tied satellite: the file's frequencies and symbol rates are divided by
//    1000 and rounded; circular polarisations, and values the image cannot hold, are skipped
//    and counted. A file transponder matches an existing transponder of that satellite with the
//    same polarisation and a frequency at most 2 MHz away; the closest pairs are matched first,
//    so each existing transponder matches at most one, the nearest it can have.
// 3. Applying: a matched transponder takes the file's frequency and symbol rate; a file
//    transponder that matched none is added after the satellite's last transponder (at the end
//    of the table when it has none) with TransID 0, its SatAux copied from that last
//    transponder as New Transponder copies its template's; existing transponders the file does
//    not list stay, or, when asked, are deleted unless channels are on them. Channel references
//    follow their transponders, as inserting and deleting transponders renumbers them.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Result.h"
#include "core/Translatable.h"
#include "database/ChannelDatabase.h"
#include "editing/TransponderFile.h"

namespace zev {

struct SatelliteTie {
    enum class Outcome {
        Tied,
        NothingAtPosition,  // the position given matches no file satellite
        NoName,             // the satellite has no name to look for
        NameNotFound,       // no file satellite's name contains the name
        Several,            // several file satellites have the position or contain the name
    };
    Outcome outcome = Outcome::NameNotFound;
    std::optional<int> position;               // the position it was tied by, if any
    std::optional<std::size_t> fileSatellite;  // Tied: the file satellite's index
    std::vector<std::size_t> candidates;       // Several: the file satellites it could be
};

// One tie per satellite of the database, in table order; `positions[s]` is the position given
// for satellite s (none beyond the span's end).
std::vector<SatelliteTie> TieSatellites(const ChannelDatabase& db, const TransponderFile& file,
                                        std::span<const std::optional<int>> positions);

// What the update does to one satellite of the database.
struct SatelliteUpdate {
    std::size_t satellite = 0;                 // position in the database
    std::optional<std::size_t> fileSatellite;  // none: untied, nothing changes
    std::size_t added = 0;
    std::size_t updated = 0;
    std::size_t unchanged = 0;
    std::size_t notInFile = 0;  // existing transponders the file does not list
    std::size_t removed = 0;    // of those, deleted (only when removing missing ones)
    std::vector<std::size_t> keptForChannels;  // of those, the positions kept for their channels
    std::size_t circular = 0;
    std::size_t beyondImage = 0;  // frequency or symbol rate the image cannot hold
};

struct TransponderUpdatePlan {
    std::vector<SatelliteUpdate> satellites;  // one per satellite of the database
    std::size_t transpondersAfter = 0;        // TpCount once applied

    // What applying does, by transponder position and by satellite.
    std::vector<std::optional<TransponderEntry>> replacements;  // per existing transponder
    std::vector<bool> removals;                                 // per existing transponder
    std::vector<std::vector<TransponderEntry>> additions;       // per satellite
};

// `ties[s]` is the file satellite that satellite s takes its transponders from (none: left
// alone); the ties of TieSatellites, or the user's choice. Changes nothing.
TransponderUpdatePlan PlanTransponderUpdate(const ChannelDatabase& db, const TransponderFile& file,
                                            std::span<const std::optional<std::size_t>> ties,
                                            bool removeMissing);

// Carries out a plan made for this very database. Refused, changing nothing, when the table
// would hold more transponders than the image allows; the message says so.
Result<void, std::string> ApplyTransponderUpdate(ChannelDatabase& db,
                                                 const TransponderUpdatePlan& plan);

// Why satellite `satellite` is left alone after `tie`: "no satellite of the file has "SAT" in
// its name", "2 satellites of the file could be it: ...".
Translatable UntiedReason(const ChannelDatabase& db, std::size_t satellite,
                          const TransponderFile& file, const SatelliteTie& tie);

// The report of one satellite: "SAT-EAST (19.2E): 3 added, 5 updated, 12 unchanged, 2 not in
// the file, 1 circular skipped", or why it was left alone.
std::string SatelliteUpdateLine(const ChannelDatabase& db, const TransponderFile& file,
                                const SatelliteTie& tie, const SatelliteUpdate& update);

// Lines about transponders kept for their channels although the file does not list them.
std::vector<std::string> KeptTransponderLines(const ChannelDatabase& db,
                                              const SatelliteUpdate& update);

}  // namespace zev
