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
        Add({file_, 1, 1,
             ZEV_TR("CsvImport", "the file is empty; its first line must name the columns")});
        return;
    }
    const CsvRow& heading = rows_.front();
    for (std::size_t column = 0; column < heading.cells.size(); ++column) {
        const std::string_view name = Trimmed(heading.cells[column].text);
        if (name.empty()) continue;
        for (const auto& [known, at] : headings_) {
            if (SameWord(known, name)) {
                Problem(heading, column,
                        ZEV_TR("CsvImport", "the column \"%1\" is there twice (also column %2)")
                            .Arg(known)
                            .Arg(at + 1));
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
             ZEV_TR("CsvImport", "there is no column \"%1\"").Arg(std::string(heading))});
    }
    return std::nullopt;
}

void Table::Problem(const CsvRow& row, std::size_t column, Translatable what) {
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
        if (words.empty()) {
            return Fail(*column, ZEV_TR("CsvImport", "%1: %2 is not a whole number")
                                     .Arg(std::string(heading))
                                     .Arg(Shown(text)));
        }
        std::string choices;
        for (const Word& word : words) {
            if (!choices.empty()) choices += ", ";
            choices += word.text;
        }
        return Fail(*column, ZEV_TR("CsvImport", "%1: %2 is not %3, or a number 0 to %4")
                                 .Arg(std::string(heading))
                                 .Arg(Shown(text))
                                 .Arg(choices)
                                 .Arg(most));
    }
    if (code == std::errc::result_out_of_range || value > most) {
        return Fail(*column, ZEV_TR("CsvImport", "%1 %2 does not fit the image (0 to %3)")
                                 .Arg(std::string(heading))
                                 .Arg(std::string(text))
                                 .Arg(most));
    }
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> Cells::RecordNumber(std::size_t column) {
    if (Empty(column)) return Fail(column, ZEV_TR("CsvImport", "No.: the cell is empty"));
    const std::optional<uint32_t> number = Number(column, "No.", UINT32_MAX - 1);
    if (number && *number == 0)
        return Fail(column, ZEV_TR("CsvImport", "No. 0: records are numbered from 1"));
    return number;
}

std::optional<std::array<char, kNameFieldSize>> Cells::Name(std::size_t column,
                                                            std::optional<std::size_t> tailColumn) {
    const Result<std::string, char32_t> bytes = Utf8ToLatin1(NameFromSpreadsheetCell(Text(column)));
    if (!bytes) {
        return Fail(column, ZEV_TR("CsvImport",
                                   "Name: the character %1 is none a name can hold (Latin-1 only)")
                                .Arg(CharacterName(bytes.error())));
    }
    if (bytes->find('\0') != std::string::npos) {
        return Fail(column,
                    ZEV_TR("CsvImport", "Name: the character U+0000 is none a name can hold"));
    }
    if (bytes->size() > kNameFieldSize - 1) {
        return Fail(column, ZEV_TR("CsvImport", "Name: %1 is longer than %2 characters")
                                .Arg(Shown(Text(column)))
                                .Arg(kNameFieldSize - 1));
    }
    std::optional<std::string> tail = csv::NameTailBytes(Trimmed(Text(tailColumn)));
    if (!tail) {
        return Fail(*tailColumn,
                    ZEV_TR("CsvImport", "NameTail: %1 is not a run of hexadecimal byte values")
                        .Arg(Shown(Text(tailColumn))));
    }
    std::array<char, kNameFieldSize> name{};
    std::copy(bytes->begin(), bytes->end(), name.begin());
    const std::size_t room = kNameFieldSize - 1 - std::min(bytes->size() + 1, kNameFieldSize - 1);
    std::copy_n(tail->begin(), std::min(room, tail->size()), name.begin() + bytes->size() + 1);
    return name;
}

std::nullopt_t Cells::Fail(std::size_t column, Translatable what) {
    failed_ = true;
    table_.Problem(row_, column, std::move(what));
    return std::nullopt;
}

}  // namespace zev::csv
