// Reading and writing CSV text in the tests, independently of the program's reader: a strict
// reader of what the export writes, and a writer in the ways spreadsheets save.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zev::testing {

using Rows = std::vector<std::vector<std::string>>;

// A strict RFC 4180 reader: the file starts with the UTF-8 byte-order mark, every record ends
// with CRLF, a field is either plain (no comma, quote, CR or LF) or quoted with inner quotes
// doubled. nullopt for anything else.
inline std::optional<Rows> ReadCsv(const std::string& text) {
    const std::string bom = "\xEF\xBB\xBF";
    if (text.compare(0, bom.size(), bom) != 0) return std::nullopt;
    Rows rows;
    std::vector<std::string> row;
    std::string field;
    std::size_t i = bom.size();
    while (i < text.size()) {
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size()) return std::nullopt;
                if (text[i] != '"') {
                    field += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r') {
                if (text[i] == '"' || text[i] == '\n') return std::nullopt;
                field += text[i++];
            }
        }
        row.push_back(std::move(field));
        field.clear();
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        if (text.compare(i, 2, "\r\n") != 0) return std::nullopt;
        i += 2;
        rows.push_back(std::move(row));
        row.clear();
    }
    if (!row.empty()) return std::nullopt;
    return rows;
}

// How a spreadsheet may save a table again.
struct CsvDialect {
    char separator = ',';
    bool byteOrderMark = true;
    const char* lineEnd = "\r\n";
    bool quoteAll = false;
    bool latin1 = false;  // the text in Latin-1 (then without a byte-order mark)
};

inline std::string WriteCsv(const Rows& rows, const CsvDialect& dialect) {
    std::string text = dialect.byteOrderMark && !dialect.latin1 ? "\xEF\xBB\xBF" : "";
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += dialect.separator;
            const std::string& cell = row[i];
            const bool quote =
                dialect.quoteAll ||
                cell.find_first_of(std::string("\"\r\n") + dialect.separator) != std::string::npos;
            std::string body;
            for (const char c : cell) body += c == '"' ? std::string("\"\"") : std::string(1, c);
            text += quote ? "\"" + body + "\"" : body;
        }
        text += dialect.lineEnd;
    }
    if (!dialect.latin1) return text;
    std::string latin1;  // the export writes U+0000..U+00FF only
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        latin1 += c < 0x80 ? static_cast<char>(c)
                           : static_cast<char>(((c & 0x03) << 6) | (text[++i] & 0x3F));
    }
    return latin1;
}

}  // namespace zev::testing
