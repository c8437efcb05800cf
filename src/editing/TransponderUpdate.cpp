#include "editing/TransponderUpdate.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "core/Latin1Text.h"
#include "core/Quoted.h"
#include "core/TextFormat.h"
#include "database/RecordName.h"
#include "editing/ListEditRules.h"
#include "editing/NaturalOrder.h"
#include "editing/RecordLinks.h"
#include "formats/ImageFields.h"

namespace zev {

namespace {

constexpr uint64_t kMatchWindowKhz = 2000;

// Letters of Latin-1 folded to lower case; other characters as they are.
std::u32string Folded(std::u32string text) {
    for (char32_t& c : text) {
        if (c <= 0xFF) c = FoldLatin1(static_cast<unsigned char>(c));
    }
    return text;
}

std::u32string FoldedLatin1(std::string_view latin1) {
    std::u32string text;
    for (const char c : latin1) text += static_cast<unsigned char>(c);
    return Folded(std::move(text));
}

// The name to look for: the satellite's name without the spaces around it.
std::string SearchName(const SatelliteEntry& satellite) {
    std::string name = NameBytes(satellite.Name);
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

uint64_t Rounded(uint64_t value) { return (value + 500) / 1000; }

// A file transponder the image can take, converted.
struct Candidate {
    std::size_t index = 0;  // in the file satellite's list
    uint64_t frequencyKhz = 0;
    uint8_t polarization = 0;
    uint16_t frequency = 0;
    uint16_t symbol = 0;
};

// Pairs of an existing transponder (its index among the satellite's) and a candidate, closest
// first, then in table and file order.
std::vector<std::pair<std::size_t, std::size_t>> NearestPairs(
    const ChannelDatabase& db, const std::vector<std::size_t>& existing,
    const std::vector<Candidate>& candidates) {
    // Candidates of each polarisation by frequency, for a window search.
    std::array<std::vector<std::size_t>, 2> byFrequency;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        byFrequency[candidates[c].polarization].push_back(c);
    }
    for (auto& list : byFrequency) {
        std::stable_sort(list.begin(), list.end(), [&](std::size_t a, std::size_t b) {
            return candidates[a].frequencyKhz < candidates[b].frequencyKhz;
        });
    }
    std::vector<std::tuple<uint64_t, std::size_t, std::size_t>> pairs;
    for (std::size_t e = 0; e < existing.size(); ++e) {
        const TransponderEntry& tp = db.transponders[existing[e]];
        const uint64_t khz = uint64_t{tp.Frequency} * 1000;
        const auto& list = byFrequency[tp.Polarization != 0 ? 1 : 0];
        auto it = std::lower_bound(
            list.begin(), list.end(), khz - std::min(khz, kMatchWindowKhz),
            [&](std::size_t c, uint64_t value) { return candidates[c].frequencyKhz < value; });
        for (; it != list.end() && candidates[*it].frequencyKhz <= khz + kMatchWindowKhz; ++it) {
            const uint64_t f = candidates[*it].frequencyKhz;
            pairs.emplace_back(f > khz ? f - khz : khz - f, e, *it);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    std::vector<std::pair<std::size_t, std::size_t>> result;
    result.reserve(pairs.size());
    for (const auto& [distance, e, c] : pairs) result.emplace_back(e, c);
    return result;
}

std::string SatelliteLabel(const ChannelDatabase& db, std::size_t satellite) {
    const std::string name = NameBytes(db.satellites[satellite].Name);
    if (name.find_first_not_of(' ') == std::string::npos) {
        return Format("Satellite %zu", satellite + 1);
    }
    return Latin1ToUtf8Line(name);
}

std::string Plural(std::size_t count, const char* one, const char* many) {
    return Format("%zu %s", count, count == 1 ? one : many);
}

}  // namespace

std::vector<SatelliteTie> TieSatellites(const ChannelDatabase& db, const TransponderFile& file,
                                        std::span<const std::optional<int>> positions) {
    std::vector<std::u32string> fileNames;
    fileNames.reserve(file.satellites.size());
    for (const FileSatellite& sat : file.satellites) {
        fileNames.push_back(Folded(Utf8Characters(sat.name)));
    }
    const std::size_t satellites = SatellitesInUse(db);
    std::vector<SatelliteTie> ties(satellites);
    for (std::size_t s = 0; s < satellites; ++s) {
        SatelliteTie& tie = ties[s];
        if (s < positions.size()) tie.position = positions[s];
        std::u32string name;
        if (!tie.position) {
            name = FoldedLatin1(SearchName(db.satellites[s]));
            if (name.empty()) {
                tie.outcome = SatelliteTie::Outcome::NoName;
                continue;
            }
        }
        for (std::size_t f = 0; f < file.satellites.size(); ++f) {
            const bool fits = tie.position ? file.satellites[f].position == *tie.position
                                           : fileNames[f].find(name) != std::u32string::npos;
            if (fits) tie.candidates.push_back(f);
        }
        if (tie.candidates.size() == 1) {
            tie.outcome = SatelliteTie::Outcome::Tied;
            tie.fileSatellite = tie.candidates.front();
            tie.candidates.clear();
        } else if (tie.candidates.empty()) {
            tie.outcome = tie.position ? SatelliteTie::Outcome::NothingAtPosition
                                       : SatelliteTie::Outcome::NameNotFound;
        } else {
            tie.outcome = SatelliteTie::Outcome::Several;
        }
    }
    return ties;
}

TransponderUpdatePlan PlanTransponderUpdate(const ChannelDatabase& db, const TransponderFile& file,
                                            std::span<const std::optional<std::size_t>> ties,
                                            bool removeMissing) {
    const std::size_t satellites = SatellitesInUse(db);
    const std::size_t transponders = TranspondersInUse(db);
    TransponderUpdatePlan plan;
    plan.satellites.resize(satellites);
    plan.replacements.resize(transponders);
    plan.removals.assign(transponders, false);
    plan.additions.resize(satellites);

    std::vector<std::size_t> channelsOn(transponders, 0);
    for (const std::size_t slot : ChannelSlotsInUse(db)) {
        const uint16_t number = db.channels[slot].TpNumber;
        if (number >= 1 && number <= transponders) ++channelsOn[number - 1];
    }

    std::size_t added = 0;
    std::size_t removed = 0;
    for (std::size_t s = 0; s < satellites; ++s) {
        SatelliteUpdate& update = plan.satellites[s];
        update.satellite = s;
        if (s >= ties.size() || !ties[s] || *ties[s] >= file.satellites.size()) continue;
        update.fileSatellite = ties[s];
        const FileSatellite& source = file.satellites[*ties[s]];
        const std::vector<std::size_t> existing = TranspondersOfSatellite(db, s);

        std::vector<Candidate> candidates;
        for (std::size_t i = 0; i < source.transponders.size(); ++i) {
            const FileTransponder& tp = source.transponders[i];
            if (tp.polarization >= 2) {
                ++update.circular;
                continue;
            }
            const uint64_t frequency = Rounded(tp.frequency);
            const uint64_t symbol = Rounded(tp.symbolRate);
            TransponderEntry probe;
            probe.Frequency = static_cast<uint16_t>(frequency);
            probe.Symbol = static_cast<uint16_t>(symbol);
            if (frequency > UINT16_MAX || symbol > UINT16_MAX || !image::FitsImage(probe)) {
                ++update.beyondImage;
                continue;
            }
            candidates.push_back({i, tp.frequency, static_cast<uint8_t>(tp.polarization),
                                  probe.Frequency, probe.Symbol});
        }

        std::vector<bool> existingMatched(existing.size(), false);
        std::vector<bool> candidateMatched(candidates.size(), false);
        for (const auto& [e, c] : NearestPairs(db, existing, candidates)) {
            if (existingMatched[e] || candidateMatched[c]) continue;
            existingMatched[e] = candidateMatched[c] = true;
            TransponderEntry tp = db.transponders[existing[e]];
            if (tp.Frequency == candidates[c].frequency && tp.Symbol == candidates[c].symbol) {
                ++update.unchanged;
                continue;
            }
            tp.Frequency = candidates[c].frequency;
            tp.Symbol = candidates[c].symbol;
            plan.replacements[existing[e]] = tp;
            ++update.updated;
        }

        TransponderEntry fresh;
        fresh.Sat = static_cast<uint8_t>(s + 1);
        if (!existing.empty()) fresh.SatAux = db.transponders[existing.back()].SatAux;
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            if (candidateMatched[c]) continue;
            fresh.Frequency = candidates[c].frequency;
            fresh.Polarization = candidates[c].polarization;
            fresh.Symbol = candidates[c].symbol;
            plan.additions[s].push_back(fresh);
        }
        update.added = plan.additions[s].size();
        added += update.added;

        for (std::size_t e = 0; e < existing.size(); ++e) {
            if (existingMatched[e]) continue;
            ++update.notInFile;
            if (!removeMissing) continue;
            if (channelsOn[existing[e]] > 0) {
                update.keptForChannels.push_back(existing[e]);
            } else {
                plan.removals[existing[e]] = true;
                ++update.removed;
                ++removed;
            }
        }
    }
    plan.transpondersAfter = transponders + added - removed;
    return plan;
}

Result<void, std::string> ApplyTransponderUpdate(ChannelDatabase& db,
                                                 const TransponderUpdatePlan& plan) {
    const std::size_t before = TranspondersInUse(db);
    const std::size_t satellites = SatellitesInUse(db);
    if (plan.replacements.size() != before || plan.removals.size() != before ||
        plan.additions.size() != satellites) {
        return Failure(std::string("The transponder update was planned for another database."));
    }
    const std::size_t limit = TransponderLimit(db.header);
    if (plan.transpondersAfter > limit) {
        return Failure(
            Format("The update would give %zu transponders, more than the %zu the "
                   "image holds (TpCapacity); nothing was changed.",
                   plan.transpondersAfter, limit));
    }

    // Additions go after their satellite's last transponder, or at the end.
    constexpr std::size_t kNone = SIZE_MAX;
    std::vector<std::size_t> lastOf(satellites, kNone);
    for (std::size_t i = 0; i < before; ++i) {
        const uint8_t sat = db.transponders[i].Sat;
        if (sat >= 1 && sat <= satellites) lastOf[sat - 1] = i;
    }
    std::vector<std::vector<std::size_t>> after(before);
    std::vector<std::size_t> atEnd;
    for (std::size_t s = 0; s < satellites; ++s) {
        if (plan.additions[s].empty()) continue;
        (lastOf[s] == kNone ? atEnd : after[lastOf[s]]).push_back(s);
    }

    std::vector<TransponderEntry> table;
    table.reserve(plan.transpondersAfter);
    std::vector<std::size_t> newPosition(before, kNone);
    auto addAll = [&](std::size_t s) {
        table.insert(table.end(), plan.additions[s].begin(), plan.additions[s].end());
    };
    for (std::size_t i = 0; i < before; ++i) {
        if (!plan.removals[i]) {
            newPosition[i] = table.size();
            table.push_back(plan.replacements[i].value_or(db.transponders[i]));
        }
        for (const std::size_t s : after[i]) addAll(s);
    }
    for (const std::size_t s : atEnd) addAll(s);

    // Each slot once: one that both lists hold (areas that overlap) is renumbered once.
    for (const std::size_t slot : DistinctChannelSlotsInUse(db)) {
        uint16_t& number = db.channels[slot].TpNumber;
        if (number >= 1 && number <= before) {
            if (newPosition[number - 1] != kNone) {
                number = static_cast<uint16_t>(newPosition[number - 1] + 1);
            }
        } else if (number > before) {
            // A reference beyond the table moves with the records before it, as one
            // InsertTransponder or DeleteTransponder at a time would move it.
            number = static_cast<uint16_t>(number + table.size() - before);
        }
    }
    std::copy(table.begin(), table.end(), db.transponders.begin());
    db.header.TpCount = static_cast<uint16_t>(table.size());
    return {};
}

Translatable UntiedReason(const ChannelDatabase& db, std::size_t satellite,
                          const TransponderFile& file, const SatelliteTie& tie) {
    switch (tie.outcome) {
        case SatelliteTie::Outcome::Tied:
            break;
        case SatelliteTie::Outcome::NothingAtPosition:
            return ZEV_TR("TransponderUpdate", "the file has no satellite at %1")
                .Arg(OrbitalPositionText(*tie.position));
        case SatelliteTie::Outcome::NoName:
            return ZEV_TR("TransponderUpdate", "it has no name to look for in the file");
        case SatelliteTie::Outcome::NameNotFound:
            return ZEV_TR("TransponderUpdate", "no satellite of the file has %1 in its name")
                .Arg(Quoted(Latin1ToUtf8Line(SearchName(db.satellites[satellite]))));
        case SatelliteTie::Outcome::Several: {
            // The candidates are names and positions: no wording of their own.
            std::string candidates;
            for (std::size_t i = 0; i < tie.candidates.size(); ++i) {
                const FileSatellite& sat = file.satellites[tie.candidates[i]];
                candidates += Format("%s %s (%s)", i == 0 ? "" : ",", Quoted(sat.name).c_str(),
                                     OrbitalPositionText(sat.position).c_str());
            }
            return ZEV_TR("TransponderUpdate", "%1 satellites of the file could be it:%2")
                .Arg(tie.candidates.size())
                .Arg(std::move(candidates));
        }
    }
    return ZEV_TR("TransponderUpdate", "no satellite of the file chosen");
}

std::string SatelliteUpdateLine(const ChannelDatabase& db, const TransponderFile& file,
                                const SatelliteTie& tie, const SatelliteUpdate& update) {
    const std::string label = SatelliteLabel(db, update.satellite);
    if (!update.fileSatellite) {
        return label + ": not updated: " + UntiedReason(db, update.satellite, file, tie).English();
    }
    std::string line =
        Format("%s (%s): %zu added, %zu updated, %zu unchanged, %zu not in the file", label.c_str(),
               OrbitalPositionText(file.satellites[*update.fileSatellite].position).c_str(),
               update.added, update.updated, update.unchanged, update.notInFile);
    // With missing transponders removed: which went and which stayed.
    std::vector<std::string> fates;
    if (update.removed > 0) fates.push_back(Format("%zu removed", update.removed));
    if (!update.keptForChannels.empty()) {
        fates.push_back(Format("%zu kept for %s channels", update.keptForChannels.size(),
                               update.keptForChannels.size() == 1 ? "its" : "their"));
    }
    if (!fates.empty()) {
        line += " (" + fates.front() + (fates.size() > 1 ? ", " + fates.back() : "") + ")";
    }
    line += Format(", %zu circular skipped", update.circular);
    if (update.beyondImage > 0) {
        line += Format(", %zu beyond the image's range skipped", update.beyondImage);
    }
    return line;
}

std::vector<std::string> KeptTransponderLines(const ChannelDatabase& db,
                                              const SatelliteUpdate& update) {
    std::vector<std::string> lines;
    for (const std::size_t position : update.keptForChannels) {
        const TransponderEntry& tp = db.transponders[position];
        lines.push_back(
            Format("%s: transponder %zu (%u %s) is not in the file but kept: %s on it",
                   SatelliteLabel(db, update.satellite).c_str(), position + 1,
                   unsigned{tp.Frequency}, tp.Polarization != 0 ? "V" : "H",
                   Plural(ChannelsOfTransponder(db, position).size(), "channel is", "channels are")
                       .c_str()));
    }
    return lines;
}

}  // namespace zev
