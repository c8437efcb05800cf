// The channel database as CSV files that spreadsheet programs open as they are: RFC 4180
// fields, UTF-8 text (names are Latin-1 bytes in the database) starting with a byte-order mark
// so that spreadsheets recognise the encoding, CRLF line ends, a heading row. Three tables, one
// per file, because a CSV file holds rows of one shape: the channels of both lists with their
// transponder and satellite resolved, the transponders, the satellites. After the columns the
// lists show, each table carries every other field of its records (CsvColumns.h), so that
// ImportCsv gives the same records back. Text only; writing the files is the caller's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "database/ChannelDatabase.h"

namespace zev {

struct CsvTables {
    std::string channels;      // the TV list, then the radio list, each in list order
    std::string transponders;  // in position order
    std::string satellites;    // in position order
};

CsvTables ExportCsv(const ChannelDatabase& db);

// Where the three tables go for a chosen file name: the channels in the file itself, the other
// two beside it ("list.csv" gives "list-transponders.csv" and "list-satellites.csv"; a name
// without ".csv" gets the suffixes appended).
struct CsvPaths {
    std::string channels;
    std::string transponders;
    std::string satellites;
};

CsvPaths CsvExportPaths(std::string_view path);

// The set a file named like one of the two files beside the channels belongs to
// ("list-transponders.csv" and "list-satellites.csv" give the set of "list.csv"), or none.
std::optional<CsvPaths> CsvSetOfSibling(std::string_view path);

// A name cell as spreadsheets show it as text: a name that begins with = + - or @ (which a
// spreadsheet would read as a formula) or with an apostrophe gets an apostrophe in front.
std::string SpreadsheetNameCell(std::string_view name);
// The name a cell holds: one leading apostrophe is dropped when = + - @ or another apostrophe
// follows it, so that SpreadsheetNameCell's cells read back as the names they were made from.
std::string NameFromSpreadsheetCell(std::string_view cell);

// One field: as it is, or in double quotes with inner quotes doubled when it holds a comma, a
// quote, a line break or a space at either end.
std::string CsvField(std::string_view text);

}  // namespace zev
