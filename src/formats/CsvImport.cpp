#include "formats/CsvImport.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "database/FieldTables.h"
#include "formats/CsvCells.h"
#include "formats/CsvColumns.h"
#include "formats/CsvExport.h"

namespace zev {

namespace {

using csv::Cells;
using csv::FieldNamed;
using csv::HiddenColumns;
using csv::ImageMost;
using csv::Problems;
using csv::SameWord;
using csv::Shown;
using csv::Table;
using csv::Trimmed;
using csv::Word;

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
            return cells.Fail(column, ZEV_TR("CsvImport",
                                             "%1 %2 is record %3 of %4; the image can name no "
                                             "record beyond %5")
                                          .Arg(heading)
                                          .Arg(number)
                                          .Arg(*position + 1)
                                          .Arg(file)
                                          .Arg(most));
        }
        return static_cast<uint32_t>(*position + 1);
    }
    if (number >= 1 && number <= count) {
        return cells.Fail(column, ZEV_TR("CsvImport", "%1 %2: no row of %3 has that No.")
                                      .Arg(heading)
                                      .Arg(number)
                                      .Arg(file));
    }
    if (number > most) {
        return cells.Fail(column, ZEV_TR("CsvImport", "%1 %2 does not fit the image (0 to %3)")
                                      .Arg(heading)
                                      .Arg(number)
                                      .Arg(most));
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
                                     ZEV_TR("CsvImport",
                                            "more than %1 satellites: the image holds no more "
                                            "(SatCapacity)")
                                         .Arg(limit));
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
            hidden.Read(cells, sat.record);
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
                cells.Fail(*number, ZEV_TR("CsvImport", "No. %1 is there twice (also on line %2)")
                                        .Arg(sat.number)
                                        .Arg(satelliteNumbers_.LineOf(sat.number)));
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
                                     ZEV_TR("CsvImport",
                                            "more than %1 transponders: the image holds no more "
                                            "(TpCapacity)")
                                         .Arg(limit));
            }
            Cells cells(table, *row);
            TransponderRow tp;
            const auto no = cells.RecordNumber(*number);
            const auto satellite = cells.Number(sat, "Sat", UINT32_MAX - 1);
            const auto fre = cells.Number(frequency, "Fre", frequencyMost);
            const auto pol = cells.Number(polarization, "Pol", 1, kPolarizations);
            const auto symbolRate = cells.Number(symbol, "Symbol", 0xFFFF);
            const auto id = cells.Number(transId, "TransID", 0xFFFF);
            hidden.Read(cells, tp.record);
            if (cells.Failed()) continue;
            const auto resolved = Resolve(cells, *sat, "Sat", *satellite, satelliteNumbers_,
                                          satelliteRows_.size(), satMost, satellites_.File());
            if (!cells.Empty(satName) &&
                NameFromSpreadsheetCell(cells.Text(satName)) != SatelliteNameText(*satellite)) {
                cells.Fail(*satName,
                           Disagreement(kSatelliteDisagrees, "SatName", Shown(cells.Text(satName)),
                                        *satellite, Shown(SatelliteNameText(*satellite)),
                                        satellites_.File()));
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
                cells.Fail(*number, ZEV_TR("CsvImport", "No. %1 is there twice (also on line %2)")
                                        .Arg(tp.number)
                                        .Arg(transponderNumbers_.LineOf(tp.number)));
                continue;
            }
            transponderRows_.push_back(tp);
        }
    }

    // A cell that disagrees with the satellite or transponder its row names.
    static constexpr const char* kSatelliteDisagrees = ZEV_TR_NOOP(
        "CsvImport",
        "%1 %2 does not agree with satellite %3 of %4 (%5); leave the cell empty to take the "
        "satellite's");
    static constexpr const char* kTransponderDisagrees = ZEV_TR_NOOP(
        "CsvImport",
        "%1 %2 does not agree with transponder %3 of %4 (%5); leave the cell empty to take the "
        "transponder's");

    // `given` and `expected` as the message shows them (names in quotes).
    static Translatable Disagreement(const char* wording, const char* heading,
                                     const std::string& given, uint32_t number,
                                     const std::string& expected, const std::string& file) {
        return Translatable("CsvImport", wording)
            .Arg(heading)
            .Arg(given)
            .Arg(number)
            .Arg(file)
            .Arg(expected);
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
                cells.Fail(*column, ZEV_TR("CsvImport",
                                           "Tp %1 names no transponder, but %2 is given; leave "
                                           "the transponder's columns empty")
                                        .Arg(tpNumber)
                                        .Arg(heading));
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
                cells.Fail(*column, Disagreement(kTransponderDisagrees, heading,
                                                 std::string(Trimmed(cells.Text(column))), tpNumber,
                                                 std::to_string(expected), file));
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
                       Disagreement(kTransponderDisagrees, "SatName", Shown(cells.Text(c.satName)),
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
                                     ZEV_TR("CsvImport",
                                            "more than %1 channels (TV and radio together): the "
                                            "image holds no more (ChannelCapacity)")
                                         .Arg(limit));
            }
            Cells cells(table, *row);
            ChannelRow channel;
            const std::string_view listText = Trimmed(cells.Text(list));
            channel.tv = SameWord(listText, "TV");
            if (!channel.tv && !SameWord(listText, "Radio")) {
                cells.Fail(
                    *list,
                    ZEV_TR("CsvImport", "List: %1 is neither TV nor Radio").Arg(Shown(listText)));
            }
            const auto bytes = cells.Name(*name, tail);
            const auto tpNumber = cells.Number(tp, "Tp", UINT32_MAX - 1);
            for (std::size_t i = 0; i < 7; ++i) {
                if (const auto value = cells.Number(pidColumns[i], pidHeadings[i], pidMosts[i])) {
                    pidFields[i]->set(channel.record, *value);
                }
            }
            hidden.Read(cells, channel.record);
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

Translatable CsvImportSummary(const CsvImportCounts& counts) {
    Translatable satellites = counts.satellites == 1 ? ZEV_TR("CsvImport", "%1 satellite")
                                                     : ZEV_TR("CsvImport", "%1 satellites");
    Translatable transponders = counts.transponders == 1 ? ZEV_TR("CsvImport", "%1 transponder")
                                                         : ZEV_TR("CsvImport", "%1 transponders");
    Translatable channels = counts.radio == 1 ? ZEV_TR("CsvImport", "%1 TV and %2 radio channel")
                                              : ZEV_TR("CsvImport", "%1 TV and %2 radio channels");
    return Translatable::Joined("%1, %2, %3",
                                {std::move(satellites).Arg(counts.satellites),
                                 std::move(transponders).Arg(counts.transponders),
                                 std::move(channels).Arg(counts.tv).Arg(counts.radio)});
}

}  // namespace zev
