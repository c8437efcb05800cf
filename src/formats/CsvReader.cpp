#include "formats/CsvReader.h"

#include <algorithm>

#include "core/Latin1Text.h"

namespace zev {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The separator the heading line uses: the more frequent of ',' and ';' outside quotes.
char DetectSeparator(std::string_view text) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\r' || c == '\n') break;
        if (c == ',') ++commas;
        if (c == ';') ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

class Parser {
  public:
    Parser(std::string_view file, std::string_view text)
        : file_(file), text_(text), separator_(DetectSeparator(text)) {}

    Result<std::vector<CsvRow>, CsvProblem> Rows() {
        std::vector<CsvRow> rows;
        while (at_ < text_.size()) {
            CsvRow row;
            row.line = line_;
            while (true) {
                CsvCell cell;
                cell.line = line_;
                if (at_ < text_.size() && text_[at_] == '"') {
                    if (!Quoted(cell.text)) {
                        return Failure(Problem(cell.line, row.cells.size() + 1, problem_));
                    }
                } else {
                    Plain(cell.text);
                }
                row.cells.push_back(std::move(cell));
                if (at_ < text_.size() && text_[at_] == separator_) {
                    ++at_;
                    continue;
                }
                EndLine();
                break;
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

  private:
    CsvProblem Problem(std::size_t line, std::size_t column, Translatable what) const {
        return {std::string(file_), line, column, std::move(what)};
    }

    bool AtLineEnd() const { return text_[at_] == '\r' || text_[at_] == '\n'; }

    // Consumes one line end (CR LF, LF or CR) if there is one.
    void EndLine() {
        if (at_ >= text_.size()) return;
        if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
        ++at_;
        ++line_;
    }

    void Plain(std::string& text) {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] != separator_ && !AtLineEnd()) ++at_;
        text.assign(text_.substr(start, at_ - start));
    }

    bool Quoted(std::string& text) {
        ++at_;
        while (true) {
            if (at_ >= text_.size()) {
                problem_ = ZEV_TR("CsvImport", "the quoted cell that starts here is never closed");
                return false;
            }
            const char c = text_[at_];
            if (c == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    text += '"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                break;
            }
            if (c == '\n' || (c == '\r' && (at_ + 1 >= text_.size() || text_[at_ + 1] != '\n'))) {
                ++line_;
            }
            text += c;
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] != separator_ && !AtLineEnd()) {
            problem_ = ZEV_TR("CsvImport", "text follows the closing quote of the cell");
            return false;
        }
        return true;
    }

    std::string_view file_;
    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    Translatable problem_;
};

}  // namespace

std::string CsvProblem::Text() const { return Message().English(); }

Translatable CsvProblem::Message() const {
    return Translatable::Joined("%1:%2:%3: %4",
                                {file, std::to_string(line), std::to_string(column), what});
}

bool CsvRow::Blank() const {
    return std::all_of(cells.begin(), cells.end(),
                       [](const CsvCell& cell) { return cell.text.empty(); });
}

Result<std::vector<CsvRow>, CsvProblem> ReadCsvRows(std::string_view file,
                                                    std::span<const uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        return Failure(
            CsvProblem{std::string(file), 1, 1,
                       ZEV_TR("CsvImport", "the file is UTF-16 text; save it as CSV in UTF-8")});
    }
    const bool marked = text.starts_with(kUtf8Mark);
    if (marked) text.remove_prefix(kUtf8Mark.size());
    // The cells are split on ASCII bytes alone, so the encoding is settled per cell afterwards.
    const bool valid = IsUtf8(text);
    Result<std::vector<CsvRow>, CsvProblem> rows = Parser(file, text).Rows();
    if (!rows || valid) return rows;
    for (CsvRow& row : *rows) {
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            std::string& cell = row.cells[column].text;
            if (!marked) {
                cell = Latin1ToUtf8(cell);
            } else if (!IsUtf8(cell)) {
                return Failure(CsvProblem{std::string(file), row.cells[column].line, column + 1,
                                          ZEV_TR("CsvImport", "the cell is not UTF-8 text")});
            }
        }
    }
    return rows;
}

}  // namespace zev
