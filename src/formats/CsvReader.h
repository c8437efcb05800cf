// Reading CSV text as spreadsheets save it: cells separated by commas or semicolons (whichever
// the heading line uses), quoted or not (RFC 4180 quotes, inner quotes doubled, line breaks
// inside quotes), lines ending in CR LF, LF or CR, UTF-8 with or without a byte-order mark. A
// file without the mark that is no valid UTF-8 is read as Latin-1, as older spreadsheets save
// it. Bytes in, rows of UTF-8 cells out; each cell knows the line it starts on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Result.h"
#include "core/Translatable.h"

namespace zev {

// What is wrong where: "FILE:LINE:COLUMN: what", LINE and COLUMN counted from 1, COLUMN being
// the cell's number in its row.
struct CsvProblem {
    std::string file;
    std::size_t line = 1;
    std::size_t column = 1;
    Translatable what;

    // The line in English, as zev-cli prints it.
    std::string Text() const;
    // The line with `what` in the program's language.
    Translatable Message() const;
};

struct CsvCell {
    std::string text;  // UTF-8
    std::size_t line = 0;
};

struct CsvRow {
    std::vector<CsvCell> cells;
    std::size_t line = 0;  // where the row starts

    // The cell in `column` (0-based), empty when the row is shorter.
    std::string_view Text(std::size_t column) const {
        return column < cells.size() ? std::string_view(cells[column].text) : std::string_view();
    }
    bool Blank() const;  // no cell holds anything
};

// A file's bytes and the name that stands for it in problems.
struct CsvSource {
    std::string name;
    std::span<const uint8_t> bytes;
};

// At most this many problems are listed; a reader stops looking after them.
inline constexpr std::size_t kMaxCsvProblems = 20;

// Every row of the file, the heading included. `file` names the file in problems.
Result<std::vector<CsvRow>, CsvProblem> ReadCsvRows(std::string_view file,
                                                    std::span<const uint8_t> bytes);

}  // namespace zev
