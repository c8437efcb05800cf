// The columns of the three CSV tables, as the export writes them and the import reads them.
// The visible columns come first, as the lists show the records; after them every field of the
// record that they do not show (the bits the image carries beside the shown values) has a
// column headed by its field name, and a name's bytes after its terminating NUL have one too,
// so that the files carry every bit of every record.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/FieldTables.h"

namespace zev::csv {

// The fields behind no visible column, in field-table order.
std::vector<FieldOf<ChannelEntry>> HiddenChannelFields();
std::vector<FieldOf<TransponderEntry>> HiddenTransponderFields();
std::vector<FieldOf<SatelliteEntry>> HiddenSatelliteFields();

// The last column of the channel and satellite tables.
inline constexpr std::string_view kNameTailHeading = "NameTail";

// The bytes that follow the name's terminating NUL, in hexadecimal ("00 41" as "0041"),
// without the zero bytes at the end: empty for a name padded with NULs, as names are.
std::string NameTailText(const std::array<char, kNameFieldSize>& name);

// The bytes of a NameTail cell; nullopt when it is no even run of hexadecimal digits.
std::optional<std::string> NameTailBytes(std::string_view text);

}  // namespace zev::csv
