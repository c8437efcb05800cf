// Arbitrary bytes as the transponder XML of `zev-cli transponders-import`, read and applied to
// a small database: two satellites, transponders of each with a TransID of their own, channels
// on them and one on no transponder, room for eight transponders. Beyond the sanitizers' part
// it checks that a refused file names its place, that the XML written for what was read reads
// back to the same XML, that an update within the capacity gives the table it planned, and
// that every channel stays on its transponder (the same TransID) after the renumbering.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "FuzzFinding.h"
#include "editing/TransponderUpdate.h"
#include "exchange/TransponderXml.h"

namespace zev::fuzz {

namespace detail {

inline void SmallDatabase(ChannelDatabase& db) {
    db.header = DatabaseHeader{};
    db.header.SatCapacity = 4;
    db.header.TpCapacity = 8;
    db.header.ChannelCapacity = 8;
    const char* names[] = {"ASTRA", "HOTBIRD"};
    for (std::size_t s = 0; s < 2; ++s) {
        db.satellites[s] = SatelliteEntry{};
        std::snprintf(db.satellites[s].Name.data(), kNameFieldSize, "%s", names[s]);
    }
    db.header.SatCount = 2;
    const uint16_t frequencies[] = {11778, 12188, 10971, 11034, 11000};
    for (std::size_t i = 0; i < 5; ++i) {
        db.transponders[i] = {
            frequencies[i], static_cast<uint8_t>(i % 2),   0, static_cast<uint8_t>(1 + i % 2),
            27500,          static_cast<uint16_t>(100 + i)};
    }
    db.header.TpCount = 5;
    const uint16_t channelTransponders[] = {1, 3, 5, 9, 2};
    for (std::size_t i = 0; i < 5; ++i) {
        ChannelEntry& c = i < 3 ? db.Tv(i) : db.Radio(i - 3);
        c = ChannelEntry{};
        c.TpNumber = channelTransponders[i];
    }
    db.header.TvCount = 3;
    db.header.RadioCount = 2;
}

// The TransID of each channel's transponder, or -1 beyond the table.
inline std::vector<int> ChannelTransIds(const ChannelDatabase& db) {
    std::vector<int> ids;
    for (std::size_t i = 0; i < 5; ++i) {
        const ChannelEntry& c = i < 3 ? db.Tv(i) : db.Radio(i - 3);
        ids.push_back(c.TpNumber >= 1 && c.TpNumber <= db.header.TpCount
                          ? db.transponders[c.TpNumber - 1].TransID
                          : -1);
    }
    return ids;
}

}  // namespace detail

inline Finding CheckTransponderXml(std::span<const uint8_t> bytes) {
    static const auto db = std::make_unique<ChannelDatabase>();

    const auto read = ReadTransponderXml("fuzz.xml", bytes);
    if (!read) {
        return read.error().English().rfind("fuzz.xml:", 0) == 0 ? ""
                                                                 : "a refusal that names no place";
    }
    const std::string xml = TransponderXmlText(*read);
    const auto again =
        ReadTransponderXml("again.xml", {reinterpret_cast<const uint8_t*>(xml.data()), xml.size()});
    if (!again) return "the XML written does not read back: " + again.error().English();
    if (TransponderXmlText(*again) != xml) return "the XML written reads back otherwise";

    detail::SmallDatabase(*db);
    const std::vector<int> before = detail::ChannelTransIds(*db);
    const std::vector<std::optional<int>> positions = {std::nullopt, 130};
    const std::vector<SatelliteTie> ties = TieSatellites(*db, *read, positions);
    std::vector<std::optional<std::size_t>> tied;
    for (const SatelliteTie& tie : ties) tied.push_back(tie.fileSatellite);
    const bool removeMissing = !bytes.empty() && bytes.back() % 2 == 1;
    const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, *read, tied, removeMissing);
    const Result<void, std::string> applied = ApplyTransponderUpdate(*db, plan);
    if (!applied) {
        if (plan.transpondersAfter <= 8) return "refused within the capacity: " + applied.error();
        return db->header.TpCount == 5 ? "" : "a refused update changed the table";
    }
    if (db->header.TpCount != plan.transpondersAfter) return "another table than planned";
    const std::vector<int> after = detail::ChannelTransIds(*db);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] >= 0 && after[i] != before[i]) return "a channel lost its transponder";
    }
    return {};
}

inline int FuzzTransponderXml(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckTransponderXml({data, size}));
}

}  // namespace zev::fuzz
