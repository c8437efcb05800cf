#include "formats/CsvCells.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/Latin1Text.h"
#include "core/Quoted.h"
#include "core/TextFormat.h"
#include "formats/CsvColumns.h"
#include "formats/CsvExport.h"

namespace zev::csv {

namespace {

std::string CharacterName(char32_t c) { return Format("U+%04X", static_cast<unsigned>(c)); }

}  // namespace

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

std::string Shown(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return Quoted(shown);
}

Table::Table(const CsvSource& source, Problems& problems)
    : file_(source.name), problems_(problems) {
    Result<std::vector<CsvRow>, CsvProblem> rows = ReadCsvRows(source.name, source.bytes);
    if (!rows) {
        Add(rows.error());
        return;
    }
    rows_ = std::move(*rows);
    if (rows_.empty()) {
        Add({file_, 1, 1, "the file is empty; its first line must name the columns"});
        return;
    }
    const CsvRow& heading = rows_.front();
    for (std::size_t column = 0; column < heading.cells.size(); ++column) {
        const std::string_view name = Trimmed(heading.cells[column].text);
        if (name.empty()) continue;
        for (const auto& [known, at] : headings_) {
            if (SameWord(known, name)) {
                Problem(heading, column,
                        Format("the column \"%s\" is there twice (also column %zu)", known.c_str(),
                               at + 1));
            }
        }
        headings_.emplace_back(std::string(name), column);
    }
}

std::vector<const CsvRow*> Table::Records() const {
    std::vector<const CsvRow*> records;
    for (std::size_t i = 1; i < rows_.size(); ++i) {
        if (!rows_[i].Blank()) records.push_back(&rows_[i]);
    }
    return records;
}

std::optional<std::size_t> Table::Column(std::string_view heading, bool required) {
    for (const auto& [known, at] : headings_) {
        if (SameWord(known, heading)) return at;
    }
    if (required) {
        Add({file_, 1, rows_.empty() ? 1 : rows_.front().cells.size() + 1,
             Format("there is no column \"%.*s\"", static_cast<int>(heading.size()),
                    heading.data())});
    }
    return std::nullopt;
}

void Table::Problem(const CsvRow& row, std::size_t column, std::string what) {
    const std::size_t line = column < row.cells.size() ? row.cells[column].line : row.line;
    Add({file_, line, column + 1, std::move(what)});
}

void Table::Add(CsvProblem problem) {
    if (!Full()) problems_.push_back(std::move(problem));
}

std::optional<uint32_t> Cells::Number(std::optional<std::size_t> column, std::string_view heading,
                                      uint32_t most, std::span<const Word> words) {
    const std::string_view text = Trimmed(Text(column));
    if (text.empty()) return 0;
    for (const Word& word : words) {
        if (SameWord(word.text, text)) return word.value;
    }
    uint64_t value = 0;
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || code == std::errc::invalid_argument) {
        std::string expected = "a whole number";
        if (!words.empty()) {
            expected.clear();
            for (const Word& word : words) expected += std::string(word.text) + ", ";
            expected += "or a number 0 to " + std::to_string(most);
        }
        return Fail(*column, Format("%.*s: %s is not %s", static_cast<int>(heading.size()),
                                    heading.data(), Shown(text).c_str(), expected.c_str()));
    }
    if (code == std::errc::result_out_of_range || value > most) {
        return Fail(*column, Format("%.*s %.*s does not fit the image (0 to %u)",
                                    static_cast<int>(heading.size()), heading.data(),
                                    static_cast<int>(text.size()), text.data(), most));
    }
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> Cells::RecordNumber(std::size_t column) {
    if (Empty(column)) return Fail(column, "No.: the cell is empty");
    const std::optional<uint32_t> number = Number(column, "No.", UINT32_MAX - 1);
    if (number && *number == 0) return Fail(column, "No. 0: records are numbered from 1");
    return number;
}

std::optional<std::array<char, kNameFieldSize>> Cells::Name(std::size_t column,
                                                            std::optional<std::size_t> tailColumn) {
    const Result<std::string, char32_t> bytes = Utf8ToLatin1(NameFromSpreadsheetCell(Text(column)));
    if (!bytes) {
        return Fail(column, "Name: the character " + CharacterName(bytes.error()) +
                                " is none a name can hold (Latin-1 only)");
    }
    if (bytes->find('\0') != std::string::npos) {
        return Fail(column, "Name: the character U+0000 is none a name can hold");
    }
    if (bytes->size() > kNameFieldSize - 1) {
        return Fail(column, Format("Name: %s is longer than %zu characters",
                                   Shown(Text(column)).c_str(), kNameFieldSize - 1));
    }
    std::optional<std::string> tail = csv::NameTailBytes(Trimmed(Text(tailColumn)));
    if (!tail) {
        return Fail(*tailColumn, "NameTail: " + Shown(Text(tailColumn)) +
                                     " is not a run of hexadecimal byte values");
    }
    std::array<char, kNameFieldSize> name{};
    std::copy(bytes->begin(), bytes->end(), name.begin());
    const std::size_t room = kNameFieldSize - 1 - std::min(bytes->size() + 1, kNameFieldSize - 1);
    std::copy_n(tail->begin(), std::min(room, tail->size()), name.begin() + bytes->size() + 1);
    return name;
}

std::nullopt_t Cells::Fail(std::size_t column, std::string what) {
    failed_ = true;
    table_.Problem(row_, column, std::move(what));
    return std::nullopt;
}

}  // namespace zev::csv
