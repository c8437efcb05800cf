// Arbitrary bytes as the three CSV files `zev-cli import` reads (the input split at its first
// two 0x1E bytes: channels, transponders, satellites), imported onto a database with the
// start-up header of the default flash settings. Beyond the sanitizers' part it checks that a
// refusal names a file, a line and a column and leaves the database as it was, that what an
// import accepts fits the capacities, and that exporting it and importing the export gives
// the same records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "FuzzFinding.h"
#include "database/StartupHeader.h"
#include "formats/CsvExport.h"
#include "formats/CsvImport.h"

namespace zev::fuzz {

namespace detail {

inline std::span<const uint8_t> CsvBytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

inline void StartImport(ChannelDatabase& db) {
    db.header = DatabaseHeader{};
    ApplyStartupHeader(db.header, 2, 2);
}

// The records within the counts are the same.
inline bool SameRecords(const ChannelDatabase& a, const ChannelDatabase& b) {
    const DatabaseHeader& h = a.header;
    if (h.SatCount != b.header.SatCount || h.TpCount != b.header.TpCount ||
        h.TvCount != b.header.TvCount || h.RadioCount != b.header.RadioCount) {
        return false;
    }
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        if (!(a.satellites[i] == b.satellites[i])) return false;
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        if (!(a.transponders[i] == b.transponders[i])) return false;
    }
    for (std::size_t i = 0; i < h.TvCount; ++i) {
        if (!(a.Tv(i) == b.Tv(i))) return false;
    }
    for (std::size_t i = 0; i < h.RadioCount; ++i) {
        if (!(a.Radio(i) == b.Radio(i))) return false;
    }
    return true;
}

}  // namespace detail

inline Finding CheckCsvImport(std::span<const uint8_t> bytes) {
    // Reused across inputs: the databases are large.
    static const auto db = std::make_unique<ChannelDatabase>();
    static const auto again = std::make_unique<ChannelDatabase>();

    std::span<const uint8_t> parts[3];
    std::size_t part = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size() && part < 2; ++i) {
        if (bytes[i] != 0x1E) continue;
        parts[part++] = bytes.subspan(start, i - start);
        start = i + 1;
    }
    parts[part] = bytes.subspan(start);

    detail::StartImport(*db);
    const DatabaseHeader before = db->header;
    const auto imported =
        ImportCsv(*db, {{"c.csv", parts[0]}, {"t.csv", parts[1]}, {"s.csv", parts[2]}});
    if (!imported) {
        if (imported.error().empty()) return "a refused import without a reason";
        for (const CsvProblem& problem : imported.error()) {
            if ((problem.file != "c.csv" && problem.file != "t.csv" && problem.file != "s.csv") ||
                problem.line == 0 || problem.column == 0 || problem.what.Empty()) {
                return "a problem that names no place: " + problem.Text();
            }
        }
        return db->header == before ? "" : "a refused import changed the header";
    }
    const DatabaseHeader& h = db->header;
    if (h.SatCount > h.SatCapacity || h.TpCount > h.TpCapacity ||
        h.TvCount + h.RadioCount > h.ChannelCapacity) {
        return "an import beyond the capacities";
    }

    const CsvTables tables = ExportCsv(*db);
    detail::StartImport(*again);
    const auto back = ImportCsv(*again, {{"c.csv", detail::CsvBytes(tables.channels)},
                                         {"t.csv", detail::CsvBytes(tables.transponders)},
                                         {"s.csv", detail::CsvBytes(tables.satellites)}});
    if (!back) return "the export of an import does not import: " + back.error().front().Text();
    if (!detail::SameRecords(*db, *again)) return "the export of an import imports otherwise";
    return {};
}

inline int FuzzCsvImport(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckCsvImport({data, size}));
}

}  // namespace zev::fuzz
