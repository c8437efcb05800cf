#include "formats/CsvExport.h"

#include <initializer_list>

#include "core/Latin1Text.h"
#include "database/RecordName.h"
#include "database/TableRanges.h"
#include "formats/CsvColumns.h"

namespace zev {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// Rows of fields, each written as it is added. The heading row names the visible columns, then
// the hidden fields, then (for records with a name) the name's tail.
class CsvText {
  public:
    template <typename Record>
    CsvText(std::initializer_list<const char*> heading, const std::vector<FieldOf<Record>>& hidden,
            bool nameTail) {
        text_ = kByteOrderMark;
        for (const char* title : heading) Add(title);
        for (const FieldOf<Record>& field : hidden) Add(field.name);
        if (nameTail) Add(csv::kNameTailHeading);
        EndRow();
    }
    CsvText& Add(std::string_view field) {
        if (!rowStarted_) {
            rowStarted_ = true;
        } else {
            text_ += ',';
        }
        text_ += CsvField(field);
        return *this;
    }
    CsvText& Add(unsigned number) { return Add(std::to_string(number)); }
    CsvText& AddEmpty(int count) {
        for (int i = 0; i < count; ++i) Add(std::string_view());
        return *this;
    }
    void EndRow() {
        text_ += kLineEnd;
        rowStarted_ = false;
    }
    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
    bool rowStarted_ = false;
};

std::string NameText(const std::array<char, kNameFieldSize>& name) {
    return SpreadsheetNameCell(Latin1ToUtf8(NameBytes(name)));
}

// What a spreadsheet takes for the start of a formula, and the apostrophe that marks text.
bool StartsFormulaOrQuote(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\'';
}

const char* PolarizationText(uint8_t polarization) { return polarization != 0 ? "V" : "H"; }

// The satellite list's texts for the LNB and DiSEqC settings.
std::string DiseqcPortText(uint8_t port) {
    static const char* const kPorts[] = {"Off", "A", "B", "C", "D"};
    return port < 5 ? kPorts[port] : std::to_string(port);
}

template <typename Record>
void AddHidden(CsvText& csv, const Record& record, const std::vector<FieldOf<Record>>& hidden) {
    for (const FieldOf<Record>& field : hidden) csv.Add(field.get(record));
}

class Exporter {
  public:
    explicit Exporter(const ChannelDatabase& db) : db_(db), ranges_(RangesInTables(db.header)) {}

    std::string Channels() const {
        CsvText csv({"List", "No.", "Name", "Tp", "Sat", "SatName", "Fre", "Pol", "Symbol", "VPID",
                     "APID", "PCRPID", "TTXPID", "AC3PID", "ServiceID", "NetworkID", "TransID"},
                    hiddenChannel_, true);
        for (std::size_t row = 0; row < ranges_.tvRows; ++row) {
            ChannelRow(csv, "TV", row, db_.Tv(row));
        }
        for (std::size_t row = 0; row < ranges_.radioRows; ++row) {
            ChannelRow(csv, "Radio", row, db_.Radio(row));
        }
        return csv.Take();
    }

    std::string Transponders() const {
        const auto hidden = csv::HiddenTransponderFields();
        CsvText csv({"No.", "Sat", "SatName", "Fre", "Pol", "Symbol", "TransID"}, hidden, false);
        for (std::size_t i = 0; i < ranges_.transponders; ++i) {
            const TransponderEntry& t = db_.transponders[i];
            csv.Add(static_cast<unsigned>(i + 1)).Add(t.Sat).Add(SatelliteName(t.Sat));
            csv.Add(t.Frequency).Add(PolarizationText(t.Polarization)).Add(t.Symbol);
            csv.Add(t.TransID);
            AddHidden(csv, t, hidden);
            csv.EndRow();
        }
        return csv.Take();
    }

    std::string Satellites() const {
        const auto hidden = csv::HiddenSatelliteFields();
        CsvText csv({"No.", "Name", "LnbType", "Lnblow", "Lnbhigh", "Diseqc", "Diseqcport"}, hidden,
                    true);
        for (std::size_t i = 0; i < ranges_.satellites; ++i) {
            const SatelliteEntry& s = db_.satellites[i];
            csv.Add(static_cast<unsigned>(i + 1)).Add(NameText(s.Name));
            csv.Add(s.Lnbtype != 0 ? "universal" : "normal").Add(s.Lnblow).Add(s.Lnbhigh);
            csv.Add(s.DiseqcType != 0 ? "Diseqc1.2" : "Diseqc1.0");
            csv.Add(DiseqcPortText(s.DiseqcPort));
            AddHidden(csv, s, hidden);
            csv.Add(csv::NameTailText(s.Name)).EndRow();
        }
        return csv.Take();
    }

  private:
    // The name of satellite `number`, empty when no satellite has that number.
    std::string SatelliteName(uint32_t number) const {
        if (number < 1 || number > ranges_.satellites) return {};
        return NameText(db_.satellites[number - 1].Name);
    }

    void ChannelRow(CsvText& csv, const char* list, std::size_t row, const ChannelEntry& c) const {
        csv.Add(list).Add(static_cast<unsigned>(row + 1)).Add(NameText(c.Name)).Add(c.TpNumber);
        // The transponder's columns stay empty when the channel names no transponder.
        if (c.TpNumber >= 1 && c.TpNumber <= ranges_.transponders) {
            const TransponderEntry& t = db_.transponders[c.TpNumber - 1];
            csv.Add(t.Sat).Add(SatelliteName(t.Sat)).Add(t.Frequency);
            csv.Add(PolarizationText(t.Polarization)).Add(t.Symbol);
        } else {
            csv.AddEmpty(5);
        }
        csv.Add(c.VPID).Add(c.APID).Add(c.PCRPID).Add(c.TTXPID).Add(c.AC3PID);
        csv.Add(c.ServiceID).Add(c.NetworkID);
        if (c.TpNumber >= 1 && c.TpNumber <= ranges_.transponders) {
            csv.Add(db_.transponders[c.TpNumber - 1].TransID);
        } else {
            csv.AddEmpty(1);
        }
        AddHidden(csv, c, hiddenChannel_);
        csv.Add(csv::NameTailText(c.Name)).EndRow();
    }

    const ChannelDatabase& db_;
    TableRanges ranges_;
    std::vector<FieldOf<ChannelEntry>> hiddenChannel_ = csv::HiddenChannelFields();
};

}  // namespace

CsvTables ExportCsv(const ChannelDatabase& db) {
    const Exporter exporter(db);
    return {exporter.Channels(), exporter.Transponders(), exporter.Satellites()};
}

CsvPaths CsvExportPaths(std::string_view path) {
    constexpr std::string_view kExtension = ".csv";
    std::string stem(path);
    if (stem.size() > kExtension.size() &&
        stem.compare(stem.size() - kExtension.size(), kExtension.size(), kExtension) == 0) {
        stem.resize(stem.size() - kExtension.size());
    }
    return {std::string(path), stem + "-transponders.csv", stem + "-satellites.csv"};
}

std::optional<CsvPaths> CsvSetOfSibling(std::string_view path) {
    for (const std::string_view suffix : {"-transponders.csv", "-satellites.csv"}) {
        if (path.size() > suffix.size() && path.ends_with(suffix)) {
            const std::string stem(path.substr(0, path.size() - suffix.size()));
            return CsvExportPaths(stem + ".csv");
        }
    }
    return std::nullopt;
}

std::string SpreadsheetNameCell(std::string_view name) {
    if (name.empty() || !StartsFormulaOrQuote(name.front())) return std::string(name);
    return "'" + std::string(name);
}

std::string NameFromSpreadsheetCell(std::string_view cell) {
    if (cell.size() >= 2 && cell.front() == '\'' && StartsFormulaOrQuote(cell[1])) {
        cell.remove_prefix(1);
    }
    return std::string(cell);
}

std::string CsvField(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + "\"";
}

}  // namespace zev
