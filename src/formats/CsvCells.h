// Reading the cells of the CSV files that ImportCsv takes: a table with its columns found by
// their headings, and the cells of one row read as numbers, words and names, every failure
// recorded as a problem at its file, line and column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/FieldTables.h"
#include "formats/CsvReader.h"
#include "formats/ImageFields.h"

namespace zev::csv {

using Problems = std::vector<CsvProblem>;

// The largest value of the field that the image keeps.
template <typename Record>
uint32_t ImageMost(const FieldOf<Record>& field) {
    return image::ImageMost<Record>(field.name);
}

template <typename Record>
const FieldOf<Record>& FieldNamed(std::span<const FieldOf<Record>> table, std::string_view name) {
    for (const FieldOf<Record>& field : table) {
        if (name == field.name) return field;
    }
    return table.front();  // the callers name fields of the table
}

std::string_view Trimmed(std::string_view text);
// Equal but for the case of ASCII letters.
bool SameWord(std::string_view a, std::string_view b);
// A cell's text in quotes for a message line: control characters as \xNN, so that a line
// break in a cell cannot break the message.
std::string Shown(std::string_view text);

// A word a number cell may hold instead of the number ("V" for 1).
struct Word {
    std::string_view text;
    uint32_t value;
};

// One file: its rows, where its columns are, and the problems found in it (shared by the three
// files of an import, at most kMaxCsvProblems).
class Table {
  public:
    Table(const CsvSource& source, Problems& problems);

    // Read, with headings, and no problem found so far.
    bool Usable() const { return !rows_.empty() && problems_.empty(); }
    bool Full() const { return problems_.size() >= kMaxCsvProblems; }
    const std::string& File() const { return file_; }

    // The rows after the heading that hold anything.
    std::vector<const CsvRow*> Records() const;
    // The column with that heading (ASCII letters without case); a required one that is
    // missing is a problem.
    std::optional<std::size_t> Column(std::string_view heading, bool required);
    void Problem(const CsvRow& row, std::size_t column, Translatable what);

  private:
    void Add(CsvProblem problem);

    std::string file_;
    Problems& problems_;
    std::vector<CsvRow> rows_;
    std::vector<std::pair<std::string, std::size_t>> headings_;
};

// Reading the cells of one row; every failure is reported and gives nullopt.
class Cells {
  public:
    Cells(Table& table, const CsvRow& row) : table_(table), row_(row) {}

    bool Failed() const { return failed_; }

    std::string_view Text(std::optional<std::size_t> column) const {
        return column ? row_.Text(*column) : std::string_view();
    }
    bool Empty(std::optional<std::size_t> column) const { return Trimmed(Text(column)).empty(); }

    // A whole number up to `most`, or one of `words`; an empty cell (or no column) is 0.
    std::optional<uint32_t> Number(std::optional<std::size_t> column, std::string_view heading,
                                   uint32_t most, std::span<const Word> words = {});
    // A record's "No.": 1 or more, never empty.
    std::optional<uint32_t> RecordNumber(std::size_t column);
    // A name as the database keeps it: the cell's text (without the apostrophe that keeps a
    // spreadsheet from reading a formula) as Latin-1 bytes, then the bytes of the NameTail cell
    // after the terminating NUL as far as they fit.
    std::optional<std::array<char, kNameFieldSize>> Name(std::size_t column,
                                                         std::optional<std::size_t> tailColumn);

    // The hidden fields of the record, each from the column headed by its name (0 when it is
    // missing or empty).
    template <typename Record>
    void Hidden(Record& record, std::span<const FieldOf<Record>> fields,
                std::span<const std::optional<std::size_t>> columns,
                std::span<const uint32_t> mosts) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!columns[i] || Empty(columns[i])) continue;
            if (const auto value = Number(columns[i], fields[i].name, mosts[i])) {
                fields[i].set(record, *value);
            }
        }
    }

    std::nullopt_t Fail(std::size_t column, Translatable what);

  private:
    Table& table_;
    const CsvRow& row_;
    bool failed_ = false;
};

// The hidden columns of a table with the largest value the image keeps in each.
template <typename Record>
struct HiddenColumns {
    std::vector<FieldOf<Record>> fields;
    std::vector<std::optional<std::size_t>> columns;
    std::vector<uint32_t> mosts;

    HiddenColumns(Table& table, std::vector<FieldOf<Record>> hidden) : fields(std::move(hidden)) {
        for (const FieldOf<Record>& field : fields) {
            columns.push_back(table.Column(field.name, false));
            mosts.push_back(ImageMost(field));
        }
    }

    void Read(Cells& cells, Record& record) const {
        cells.Hidden(record, std::span<const FieldOf<Record>>(fields), columns, mosts);
    }
};

}  // namespace zev::csv
