#include "formats/CsvImport.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/Latin1Text.h"
#include "core/Quoted.h"
#include "core/TextFormat.h"
#include "database/FieldTables.h"
#include "formats/CsvColumns.h"
#include "formats/CsvExport.h"
#include "formats/ImageRecords.h"

namespace zev {

namespace {

using Problems = std::vector<CsvProblem>;

// A record as the image gives it back after storing it: fields the image keeps in fewer bits
// than their type has lose the high bits.
SatelliteEntry Stored(const SatelliteEntry& record) {
    std::array<uint8_t, image::kSatelliteBytes> bytes{};
    image::EncodeSatellite(record, bytes, 0);
    return image::DecodeSatellite(bytes, 0);
}
TransponderEntry Stored(const TransponderEntry& record) {
    std::array<uint8_t, image::kTransponderBytes> bytes{};
    image::EncodeTransponder(record, bytes, 0);
    return image::DecodeTransponder(bytes, 0);
}
ChannelEntry Stored(const ChannelEntry& record) {
    std::array<uint8_t, image::kChannelBytes> bytes{};
    image::EncodeChannel(record, bytes, 0);
    return image::DecodeChannel(bytes, 0);
}

// The largest value of the field that the image keeps.
template <typename Record>
uint32_t ImageMost(const FieldOf<Record>& field) {
    Record record{};
    field.set(record, field.most);
    return field.get(Stored(record));
}

template <typename Record>
const FieldOf<Record>& FieldNamed(std::span<const FieldOf<Record>> table, std::string_view name) {
    return *std::find_if(table.begin(), table.end(),
                         [&](const FieldOf<Record>& field) { return name == field.name; });
}

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

// A cell's text in quotes for a message line: control characters as \xNN, so that a line break
// in a cell cannot break the message.
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

std::string CharacterName(char32_t c) { return Format("U+%04X", static_cast<unsigned>(c)); }

struct Word {
    std::string_view text;
    uint32_t value;
};

// One file: its rows, where its columns are, and the problems found in it.
class Table {
  public:
    Table(const CsvSource& source, Problems& problems) : file_(source.name), problems_(problems) {
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
                            Format("the column \"%s\" is there twice (also column %zu)",
                                   known.c_str(), at + 1));
                }
            }
            headings_.emplace_back(std::string(name), column);
        }
    }

    bool Usable() const { return !rows_.empty() && problems_.empty(); }
    bool Full() const { return problems_.size() >= kMaxCsvProblems; }
    const std::string& File() const { return file_; }

    // The rows after the heading that hold anything.
    std::vector<const CsvRow*> Records() const {
        std::vector<const CsvRow*> records;
        for (std::size_t i = 1; i < rows_.size(); ++i) {
            if (!rows_[i].Blank()) records.push_back(&rows_[i]);
        }
        return records;
    }

    // The column with that heading; a required one that is missing is a problem.
    std::optional<std::size_t> Column(std::string_view heading, bool required) {
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

    void Problem(const CsvRow& row, std::size_t column, std::string what) {
        const std::size_t line = column < row.cells.size() ? row.cells[column].line : row.line;
        Add({file_, line, column + 1, std::move(what)});
    }

  private:
    void Add(CsvProblem problem) {
        if (!Full()) problems_.push_back(std::move(problem));
    }

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

    // A whole number up to `most`; an empty cell (or no column) is 0.
    std::optional<uint32_t> Number(std::optional<std::size_t> column, std::string_view heading,
                                   uint32_t most, std::span<const Word> words = {}) {
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

    // A record's "No.": 1 or more, never empty.
    std::optional<uint32_t> RecordNumber(std::size_t column) {
        if (Empty(column)) return Fail(column, "No.: the cell is empty");
        const std::optional<uint32_t> number = Number(column, "No.", UINT32_MAX - 1);
        if (number && *number == 0) return Fail(column, "No. 0: records are numbered from 1");
        return number;
    }

    // A name as the database keeps it: the cell's text as Latin-1 bytes, then the bytes of the
    // NameTail cell after the terminating NUL as far as they fit.
    std::optional<std::array<char, kNameFieldSize>> Name(std::size_t column,
                                                         std::optional<std::size_t> tailColumn) {
        const Result<std::string, char32_t> bytes =
            Utf8ToLatin1(NameFromSpreadsheetCell(Text(column)));
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
        const std::size_t room =
            kNameFieldSize - 1 - std::min(bytes->size() + 1, kNameFieldSize - 1);
        std::copy_n(tail->begin(), std::min(room, tail->size()), name.begin() + bytes->size() + 1);
        return name;
    }

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

    std::nullopt_t Fail(std::size_t column, std::string what) {
        failed_ = true;
        table_.Problem(row_, column, std::move(what));
        return std::nullopt;
    }

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
};

struct SatelliteRow {
    uint32_t number = 0;
    std::string nameText;  // the Name cell as the other tables repeat it
    SatelliteEntry record;
};

struct TransponderRow {
    uint32_t number = 0;
    uint32_t sat = 0;  // the Sat cell: a satellite's No.
    TransponderEntry record;
};

struct ChannelRow {
    bool tv = true;
    ChannelEntry record;
};

// The numbers of the records of a table, from "No." to position.
class Numbering {
  public:
    // False when the number was given to an earlier record.
    bool Add(uint32_t number, std::size_t position, std::size_t line) {
        return positions_.try_emplace(number, std::pair{position, line}).second;
    }
    std::optional<std::size_t> Position(uint32_t number) const {
        const auto found = positions_.find(number);
        if (found == positions_.end()) return std::nullopt;
        return found->second.first;
    }
    std::size_t LineOf(uint32_t number) const { return positions_.at(number).second; }

  private:
    std::unordered_map<uint32_t, std::pair<std::size_t, std::size_t>> positions_;
};

// A reference by "No." as the database holds it: the 1-based position of the record with
// that number, or the number itself when no record has it and it names none after the import.
std::optional<uint32_t> Resolve(Cells& cells, std::size_t column, const char* heading,
                                uint32_t number, const Numbering& numbering, std::size_t count,
                                uint32_t most, const std::string& file) {
    if (const std::optional<std::size_t> position = numbering.Position(number)) {
        if (*position + 1 > most) {
            return cells.Fail(column, Format("%s %u is record %zu of %s; the image can name no "
                                             "record beyond %u",
                                             heading, number, *position + 1, file.c_str(), most));
        }
        return static_cast<uint32_t>(*position + 1);
    }
    if (number >= 1 && number <= count) {
        return cells.Fail(
            column, Format("%s %u: no row of %s has that No.", heading, number, file.c_str()));
    }
    if (number > most) {
        return cells.Fail(column,
                          Format("%s %u does not fit the image (0 to %u)", heading, number, most));
    }
    return number;
}

// A channel's columns that repeat what its transponder and satellite say.
struct RepeatedColumns {
    std::optional<std::size_t> sat, satName, frequency, polarization, symbol, transId;
};

class Importer {
  public:
    Importer(const DatabaseHeader& header, const CsvImportFiles& files)
        : header_(header),
          satellites_(files.satellites, problems_),
          transponders_(files.transponders, problems_),
          channels_(files.channels, problems_) {}

    Result<CsvImportCounts, Problems> Run(ChannelDatabase& db) {
        if (!problems_.empty()) return Failure(std::move(problems_));
        ReadSatellites();
        if (!satellites_.Full()) ReadTransponders();
        if (!transponders_.Full()) ReadChannels();
        if (!problems_.empty()) return Failure(std::move(problems_));
        Store(db);
        return CsvImportCounts{satelliteRows_.size(), transponderRows_.size(), tvCount_,
                               channelRows_.size() - tvCount_};
    }

  private:
    void ReadSatellites() {
        Table& table = satellites_;
        const auto number = table.Column("No.", true);
        const auto name = table.Column("Name", true);
        const auto lnbType = table.Column("LnbType", true);
        const auto lnbLow = table.Column("Lnblow", true);
        const auto lnbHigh = table.Column("Lnbhigh", true);
        const auto diseqc = table.Column("Diseqc", true);
        const auto port = table.Column("Diseqcport", true);
        const auto tail = table.Column(csv::kNameTailHeading, false);
        const HiddenColumns<SatelliteEntry> hidden(table, csv::HiddenSatelliteFields());
        if (!table.Usable()) return;

        const auto fields = SatelliteFieldTable();
        const uint32_t lowMost = ImageMost(FieldNamed(fields, "Lnblow"));
        const uint32_t highMost = ImageMost(FieldNamed(fields, "Lnbhigh"));
        const uint32_t portMost = ImageMost(FieldNamed(fields, "DiseqcPort"));
        const Word lnbTypes[] = {{"normal", 0}, {"universal", 1}};
        const Word diseqcTypes[] = {{"Diseqc1.0", 0}, {"Diseqc1.2", 1}};
        const Word ports[] = {{"Off", 0}, {"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}};
        const std::size_t limit = std::min<std::size_t>(header_.SatCapacity, kMaxSatellites - 1);
        for (const CsvRow* row : table.Records()) {
            if (table.Full()) return;
            if (satelliteRows_.size() == limit) {
                return table.Problem(*row, 0,
                                     Format("more than %zu satellites: the image holds no more "
                                            "(SatCapacity)",
                                            limit));
            }
            Cells cells(table, *row);
            SatelliteRow sat;
            const auto no = cells.RecordNumber(*number);
            const auto bytes = cells.Name(*name, tail);
            const auto type = cells.Number(lnbType, "LnbType", 1, lnbTypes);
            const auto low = cells.Number(lnbLow, "Lnblow", lowMost);
            const auto high = cells.Number(lnbHigh, "Lnbhigh", highMost);
            const auto diseqcType = cells.Number(diseqc, "Diseqc", 1, diseqcTypes);
            const auto diseqcPort = cells.Number(port, "Diseqcport", portMost, ports);
            cells.Hidden(sat.record, std::span<const FieldOf<SatelliteEntry>>(hidden.fields),
                         hidden.columns, hidden.mosts);
            if (cells.Failed()) continue;
            sat.number = *no;
            sat.nameText = NameFromSpreadsheetCell(cells.Text(name));
            sat.record.Name = *bytes;
            sat.record.Lnbtype = static_cast<uint8_t>(*type);
            sat.record.Lnblow = static_cast<uint16_t>(*low);
            sat.record.Lnbhigh = static_cast<uint16_t>(*high);
            sat.record.DiseqcType = static_cast<uint8_t>(*diseqcType);
            sat.record.DiseqcPort = static_cast<uint8_t>(*diseqcPort);
            if (!satelliteNumbers_.Add(sat.number, satelliteRows_.size(), row->line)) {
                cells.Fail(*number, Format("No. %u is there twice (also on line %zu)", sat.number,
                                           satelliteNumbers_.LineOf(sat.number)));
                continue;
            }
            satelliteRows_.push_back(std::move(sat));
        }
    }

    // The name of the satellite with that No. as the tables repeat it; empty for none.
    std::string SatelliteNameText(uint32_t number) const {
        const std::optional<std::size_t> position = satelliteNumbers_.Position(number);
        return position ? satelliteRows_[*position].nameText : std::string();
    }

    void ReadTransponders() {
        Table& table = transponders_;
        const auto number = table.Column("No.", true);
        const auto sat = table.Column("Sat", true);
        const auto satName = table.Column("SatName", false);
        const auto frequency = table.Column("Fre", true);
        const auto polarization = table.Column("Pol", true);
        const auto symbol = table.Column("Symbol", true);
        const auto transId = table.Column("TransID", true);
        const HiddenColumns<TransponderEntry> hidden(table, csv::HiddenTransponderFields());
        if (!table.Usable()) return;

        const auto fields = TransponderFieldTable();
        const uint32_t frequencyMost = ImageMost(FieldNamed(fields, "Frequency"));
        const uint32_t satMost = ImageMost(FieldNamed(fields, "Sat"));
        const std::size_t limit = std::min<std::size_t>(header_.TpCapacity, kMaxTransponders);
        for (const CsvRow* row : table.Records()) {
            if (table.Full()) return;
            if (transponderRows_.size() == limit) {
                return table.Problem(*row, 0,
                                     Format("more than %zu transponders: the image holds no more "
                                            "(TpCapacity)",
                                            limit));
            }
            Cells cells(table, *row);
            TransponderRow tp;
            const auto no = cells.RecordNumber(*number);
            const auto satellite = cells.Number(sat, "Sat", UINT32_MAX - 1);
            const auto fre = cells.Number(frequency, "Fre", frequencyMost);
            const auto pol = cells.Number(polarization, "Pol", 1, kPolarizations);
            const auto symbolRate = cells.Number(symbol, "Symbol", 0xFFFF);
            const auto id = cells.Number(transId, "TransID", 0xFFFF);
            cells.Hidden(tp.record, std::span<const FieldOf<TransponderEntry>>(hidden.fields),
                         hidden.columns, hidden.mosts);
            if (cells.Failed()) continue;
            const auto resolved = Resolve(cells, *sat, "Sat", *satellite, satelliteNumbers_,
                                          satelliteRows_.size(), satMost, satellites_.File());
            if (!cells.Empty(satName) &&
                NameFromSpreadsheetCell(cells.Text(satName)) != SatelliteNameText(*satellite)) {
                cells.Fail(
                    *satName,
                    Disagreement("SatName", Shown(cells.Text(satName)), "satellite", *satellite,
                                 Shown(SatelliteNameText(*satellite)), satellites_.File()));
            }
            if (cells.Failed()) continue;
            tp.number = *no;
            tp.sat = *satellite;
            tp.record.Sat = static_cast<uint8_t>(*resolved);
            tp.record.Frequency = static_cast<uint16_t>(*fre);
            tp.record.Polarization = static_cast<uint8_t>(*pol);
            tp.record.Symbol = static_cast<uint16_t>(*symbolRate);
            tp.record.TransID = static_cast<uint16_t>(*id);
            if (!transponderNumbers_.Add(tp.number, transponderRows_.size(), row->line)) {
                cells.Fail(*number, Format("No. %u is there twice (also on line %zu)", tp.number,
                                           transponderNumbers_.LineOf(tp.number)));
                continue;
            }
            transponderRows_.push_back(tp);
        }
    }

    // `given` and `expected` as the message shows them (names in quotes).
    static std::string Disagreement(const char* heading, const std::string& given,
                                    const char* record, uint32_t number,
                                    const std::string& expected, const std::string& file) {
        return Format(
            "%s %s does not agree with %s %u of %s (%s); leave the cell empty to take "
            "the %s's",
            heading, given.c_str(), record, number, file.c_str(), expected.c_str(), record);
    }

    // The channel's satellite and transponder columns against the transponder its Tp names.
    void CheckRepeatedColumns(Cells& cells, uint32_t tpNumber, const RepeatedColumns& c) {
        if (cells.Failed()) return;
        const std::optional<std::size_t> position = transponderNumbers_.Position(tpNumber);
        const std::pair<std::optional<std::size_t>, const char*> repeated[] = {
            {c.sat, "Sat"},          {c.satName, "SatName"}, {c.frequency, "Fre"},
            {c.polarization, "Pol"}, {c.symbol, "Symbol"},   {c.transId, "TransID"}};
        if (!position) {
            for (const auto& [column, heading] : repeated) {
                if (cells.Empty(column)) continue;
                cells.Fail(*column, Format("Tp %u names no transponder, but %s is given; leave "
                                           "the transponder's columns empty",
                                           tpNumber, heading));
                return;
            }
            return;
        }
        const TransponderRow& tp = transponderRows_[*position];
        const std::string& file = transponders_.File();
        // One disagreement per row is enough to point at it.
        auto compare = [&](std::optional<std::size_t> column, const char* heading, uint32_t most,
                           uint32_t expected, std::span<const Word> words = {}) {
            if (cells.Failed() || cells.Empty(column)) return;
            const std::optional<uint32_t> value = cells.Number(column, heading, most, words);
            if (value && *value != expected) {
                cells.Fail(*column,
                           Disagreement(heading, std::string(Trimmed(cells.Text(column))),
                                        "transponder", tpNumber, std::to_string(expected), file));
            }
        };
        compare(c.sat, "Sat", UINT32_MAX - 1, tp.sat);
        compare(c.frequency, "Fre", 0xFFFF, tp.record.Frequency);
        compare(c.polarization, "Pol", 1, tp.record.Polarization, kPolarizations);
        compare(c.symbol, "Symbol", 0xFFFF, tp.record.Symbol);
        compare(c.transId, "TransID", 0xFFFF, tp.record.TransID);
        if (!cells.Failed() && !cells.Empty(c.satName) &&
            NameFromSpreadsheetCell(cells.Text(c.satName)) != SatelliteNameText(tp.sat)) {
            cells.Fail(*c.satName,
                       Disagreement("SatName", Shown(cells.Text(c.satName)), "transponder",
                                    tpNumber, Shown(SatelliteNameText(tp.sat)), file));
        }
    }

    void ReadChannels() {
        Table& table = channels_;
        const auto list = table.Column("List", true);
        const auto name = table.Column("Name", true);
        const auto tp = table.Column("Tp", true);
        const RepeatedColumns repeated{
            table.Column("Sat", false),    table.Column("SatName", false),
            table.Column("Fre", false),    table.Column("Pol", false),
            table.Column("Symbol", false), table.Column("TransID", false)};
        const char* const pidHeadings[] = {"VPID",   "APID",      "PCRPID",   "TTXPID",
                                           "AC3PID", "ServiceID", "NetworkID"};
        std::optional<std::size_t> pidColumns[7];
        for (std::size_t i = 0; i < 7; ++i) pidColumns[i] = table.Column(pidHeadings[i], true);
        const auto tail = table.Column(csv::kNameTailHeading, false);
        const HiddenColumns<ChannelEntry> hidden(table, csv::HiddenChannelFields());
        if (!table.Usable()) return;

        const auto fields = ChannelFieldTable();
        const FieldOf<ChannelEntry>* pidFields[7];
        uint32_t pidMosts[7];
        for (std::size_t i = 0; i < 7; ++i) {
            pidFields[i] = &FieldNamed(fields, pidHeadings[i]);
            pidMosts[i] = ImageMost(*pidFields[i]);
        }
        const uint32_t tpMost = ImageMost(FieldNamed(fields, "TpNumber"));
        // Without a RadioFlag of its own, a channel takes its list's.
        const std::optional<std::size_t> radioFlagColumn = table.Column("RadioFlag", false);
        const std::size_t limit = std::min<std::size_t>(header_.ChannelCapacity, kMaxChannelSlots);
        for (const CsvRow* row : table.Records()) {
            if (table.Full()) return;
            if (channelRows_.size() == limit) {
                return table.Problem(*row, 0,
                                     Format("more than %zu channels (TV and radio together): the "
                                            "image holds no more (ChannelCapacity)",
                                            limit));
            }
            Cells cells(table, *row);
            ChannelRow channel;
            const std::string_view listText = Trimmed(cells.Text(list));
            channel.tv = SameWord(listText, "TV");
            if (!channel.tv && !SameWord(listText, "Radio")) {
                cells.Fail(*list, "List: " + Shown(listText) + " is neither TV nor Radio");
            }
            const auto bytes = cells.Name(*name, tail);
            const auto tpNumber = cells.Number(tp, "Tp", UINT32_MAX - 1);
            for (std::size_t i = 0; i < 7; ++i) {
                if (const auto value = cells.Number(pidColumns[i], pidHeadings[i], pidMosts[i])) {
                    pidFields[i]->set(channel.record, *value);
                }
            }
            cells.Hidden(channel.record, std::span<const FieldOf<ChannelEntry>>(hidden.fields),
                         hidden.columns, hidden.mosts);
            if (cells.Failed()) continue;
            const auto resolved = Resolve(cells, *tp, "Tp", *tpNumber, transponderNumbers_,
                                          transponderRows_.size(), tpMost, transponders_.File());
            CheckRepeatedColumns(cells, *tpNumber, repeated);
            if (cells.Failed()) continue;
            channel.record.Name = *bytes;
            channel.record.TpNumber = static_cast<uint16_t>(*resolved);
            if (!radioFlagColumn || cells.Empty(radioFlagColumn)) {
                channel.record.RadioFlag = channel.tv ? 0 : 1;
            }
            tvCount_ += channel.tv ? 1 : 0;
            channelRows_.push_back(channel);
        }
    }

    void Store(ChannelDatabase& db) const {
        DatabaseHeader& h = db.header;
        h.SatCount = static_cast<uint8_t>(satelliteRows_.size());
        for (std::size_t i = 0; i < satelliteRows_.size(); ++i) {
            db.satellites[i] = satelliteRows_[i].record;
        }
        h.TpCount = static_cast<uint16_t>(transponderRows_.size());
        for (std::size_t i = 0; i < transponderRows_.size(); ++i) {
            db.transponders[i] = transponderRows_[i].record;
        }
        h.TvCount = static_cast<uint16_t>(tvCount_);
        h.RadioCount = static_cast<uint16_t>(channelRows_.size() - tvCount_);
        std::size_t tv = 0;
        std::size_t radio = 0;
        for (const ChannelRow& channel : channelRows_) {
            if (channel.tv) {
                db.Tv(tv++) = channel.record;
            } else {
                db.Radio(radio++) = channel.record;
            }
        }
    }

    static constexpr Word kPolarizations[] = {{"H", 0}, {"V", 1}};

    const DatabaseHeader& header_;
    Problems problems_;
    Table satellites_;
    Table transponders_;
    Table channels_;
    Numbering satelliteNumbers_;
    Numbering transponderNumbers_;
    std::vector<SatelliteRow> satelliteRows_;
    std::vector<TransponderRow> transponderRows_;
    std::vector<ChannelRow> channelRows_;
    std::size_t tvCount_ = 0;
};

}  // namespace

Result<CsvImportCounts, std::vector<CsvProblem>> ImportCsv(ChannelDatabase& db,
                                                           const CsvImportFiles& files) {
    return Importer(db.header, files).Run(db);
}

std::string CsvImportSummary(const CsvImportCounts& counts) {
    return Format("%zu %s, %zu %s, %zu TV and %zu radio %s", counts.satellites,
                  counts.satellites == 1 ? "satellite" : "satellites", counts.transponders,
                  counts.transponders == 1 ? "transponder" : "transponders", counts.tv,
                  counts.radio, counts.radio == 1 ? "channel" : "channels");
}

}  // namespace zev
