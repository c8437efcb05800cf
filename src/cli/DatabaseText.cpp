#include "cli/DatabaseText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "database/FieldTables.h"
#include "database/RecordName.h"

namespace zev::cli {

namespace {

// The name's bytes without the NUL padding at its end, in double quotes: printable ASCII as it
// is, any other byte as \xNN, so that every byte shows and the table stays one line per record.
std::string QuotedName(const std::array<char, kNameFieldSize>& name) {
    std::string text = "\"";
    for (const char c : StoredNameBytes(name)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += static_cast<char>(byte);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    text += '"';
    return text;
}

// Addresses and sizes read best in hexadecimal, everything else in decimal.
std::string HeaderValue(const char* name, uint32_t value) {
    if (std::strstr(name, "Block") != nullptr || std::strcmp(name, "Magic") == 0) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%X", value);
        return text;
    }
    return std::to_string(value);
}

class Table {
  public:
    explicit Table(std::vector<std::string> heading) { rows_.push_back(std::move(heading)); }
    void Add(std::vector<std::string> row) { rows_.push_back(std::move(row)); }
    void Write(std::ostream& out) const {
        std::vector<std::size_t> widths(rows_.front().size(), 0);
        for (const auto& row : rows_) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                widths[c] = std::max(widths[c], row[c].size());
            }
        }
        for (const auto& row : rows_) {
            std::string line;
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (c > 0) line += "  ";
                line += row[c];
                if (c + 1 < row.size()) line.append(widths[c] - row[c].size(), ' ');
            }
            out << line << '\n';
        }
    }

  private:
    std::vector<std::vector<std::string>> rows_;
};

template <typename Record, typename At>
void WriteRecords(std::ostream& out, const char* title, std::size_t count,
                  std::span<const FieldOf<Record>> fields, At at) {
    out << '\n' << title << " (" << count << ")\n";
    if (count == 0) return;
    std::vector<std::string> heading{"No"};
    constexpr bool kNamed = requires(Record r) { r.Name; };
    if constexpr (kNamed) heading.push_back("Name");
    for (const auto& field : fields) heading.push_back(field.name);
    Table table(std::move(heading));
    for (std::size_t i = 0; i < count; ++i) {
        const Record& record = at(i);
        std::vector<std::string> row{std::to_string(i + 1)};
        if constexpr (kNamed) row.push_back(QuotedName(record.Name));
        for (const auto& field : fields) row.push_back(std::to_string(field.get(record)));
        table.Add(std::move(row));
    }
    table.Write(out);
}

}  // namespace

void WriteDatabaseText(const ChannelDatabase& db, std::ostream& out) {
    const DatabaseHeader& h = db.header;
    out << "Header\n";
    Table header({"Field", "Value"});
    for (const auto& field : HeaderFieldTable()) {
        header.Add({field.name, HeaderValue(field.name, field.get(h))});
    }
    header.Write(out);
    WriteRecords(out, "Satellites", h.SatCount, SatelliteFieldTable(),
                 [&](std::size_t i) -> const SatelliteEntry& { return db.satellites[i]; });
    WriteRecords(out, "Transponders", h.TpCount, TransponderFieldTable(),
                 [&](std::size_t i) -> const TransponderEntry& { return db.transponders[i]; });
    WriteRecords(out, "TV channels", h.TvCount, ChannelFieldTable(),
                 [&](std::size_t i) -> const ChannelEntry& { return db.Tv(i); });
    WriteRecords(out, "Radio channels", h.RadioCount, ChannelFieldTable(),
                 [&](std::size_t i) -> const ChannelEntry& { return db.Radio(i); });
}

}  // namespace zev::cli
