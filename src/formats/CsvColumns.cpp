#include "formats/CsvColumns.h"

#include <algorithm>
#include <initializer_list>

#include "database/RecordName.h"

namespace zev::csv {

namespace {

template <typename Record>
std::vector<FieldOf<Record>> FieldsNotIn(std::span<const FieldOf<Record>> table,
                                         std::initializer_list<std::string_view> shown) {
    std::vector<FieldOf<Record>> hidden;
    for (const FieldOf<Record>& field : table) {
        if (std::find(shown.begin(), shown.end(), field.name) == shown.end()) {
            hidden.push_back(field);
        }
    }
    return hidden;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::vector<FieldOf<ChannelEntry>> HiddenChannelFields() {
    return FieldsNotIn(ChannelFieldTable(), {"TpNumber", "VPID", "APID", "PCRPID", "TTXPID",
                                             "AC3PID", "ServiceID", "NetworkID"});
}

std::vector<FieldOf<TransponderEntry>> HiddenTransponderFields() {
    return FieldsNotIn(TransponderFieldTable(),
                       {"Frequency", "Polarization", "Sat", "Symbol", "TransID"});
}

std::vector<FieldOf<SatelliteEntry>> HiddenSatelliteFields() {
    return FieldsNotIn(SatelliteFieldTable(),
                       {"Lnbtype", "Lnblow", "Lnbhigh", "DiseqcType", "DiseqcPort"});
}

std::string NameTailText(const std::array<char, kNameFieldSize>& name) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    // The bytes after the name's terminating NUL, up to the NUL padding at the end.
    const std::string stored = StoredNameBytes(name);
    std::string text;
    for (std::size_t i = NameBytes(name).size() + 1; i < stored.size(); ++i) {
        const auto byte = static_cast<unsigned char>(stored[i]);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

std::optional<std::string> NameTailBytes(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

}  // namespace zev::csv
