// Reading the three CSV files that ExportCsv writes (channels, transponders, satellites) back
// into a database, also after a spreadsheet saved them again (CsvReader.h). Their records
// replace the database's satellites, transponders and TV and radio channels; everything the
// files do not hold (the header with its capacities and flash layout) stays.
//
// Columns are found by their headings, so a spreadsheet may reorder them; unknown columns are
// ignored. Rows keep the order of the file: sorting a table in the spreadsheet sorts the list.
// The "No." of a transponder or satellite names it within the files: a channel's Tp and a
// transponder's Sat refer to those numbers, and take the number of the row the record ends up
// at. A reference to a number no row has is kept as it is when it names no record after the
// import either (0, or beyond the table), as the image would carry it.
//
// An empty number cell stands for 0, but a channel's satellite and transponder columns (Sat,
// SatName, Fre, Pol, Symbol, TransID) and a transponder's SatName only repeat what their
// transponder or satellite says: when they are not empty they must agree with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Result.h"
#include "core/Translatable.h"
#include "database/ChannelDatabase.h"
#include "formats/CsvReader.h"

namespace zev {

// The most a CSV file is read of: far more than the files of the fullest database, even as a
// spreadsheet pads them.
inline constexpr std::size_t kMaxCsvFileSize = 64 * 1024 * 1024;

struct CsvImportFiles {
    CsvSource channels;
    CsvSource transponders;
    CsvSource satellites;
};

struct CsvImportCounts {
    std::size_t satellites = 0;
    std::size_t transponders = 0;
    std::size_t tv = 0;
    std::size_t radio = 0;
};

// Replaces the records of `db` (and the four counts) by those of the files. Refused, leaving
// `db` as it was, with the problems found (at most kMaxCsvProblems): a cell that cannot be
// read, a value that does not fit its field in the image, more records than the header's
// capacities allow, a repeated column or No., a reference or a repeated value that disagrees
// with its record.
Result<CsvImportCounts, std::vector<CsvProblem>> ImportCsv(ChannelDatabase& db,
                                                           const CsvImportFiles& files);

// "2 satellites, 4 transponders, 6 TV and 2 radio channels".
Translatable CsvImportSummary(const CsvImportCounts& counts);

}  // namespace zev
