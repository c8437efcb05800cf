// The readable form of a database comparison: one line per header field and per record that
// differs, as `zev-cli diff` prints it.
#pragma once

#include <string>

#include "editing/DatabaseDiff.h"

namespace zev {

// "TV channel 5 "ZDF" (was 4): moved; APID 110 -> 111", "Satellite 3 "NEW": added", ...
// Numbers are the 1-based list numbers: a removed record's in the first database, any other's
// in the second.
std::string RecordDiffLine(const RecordDiff& record);

// "Header: TvCount 3 -> 4"
std::string HeaderDiffLine(const FieldChange& change);

// Every line, header first; empty when the databases are equal.
std::string DiffText(const DatabaseDiff& diff);

}  // namespace zev
