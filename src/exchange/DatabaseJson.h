// The JSON form of a database, as `zev-cli dump --json` prints it and `zev-cli build` reads it:
// {"header": {...}, "satellites": [...], "transponders": [...], "tv": [...], "radio": [...]},
// every field by its name. A Name is a string whose characters U+0000..U+00FF stand for the
// name's bytes, so any byte survives the round trip.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Translatable.h"
#include "database/ChannelDatabase.h"

namespace zev {

// The most a JSON file is read of: 8 times the JSON DatabaseToJson writes for the fullest
// database (7.5 MB), little enough to refuse something that is plainly no JSON of ours. Reading
// takes the file's bytes and at most about 10 MB more, whatever the file holds.
inline constexpr std::size_t kMaxJsonFileSize = 64 * 1024 * 1024;

// The header and every record within the counts, as indented JSON text.
std::string DatabaseToJson(const ChannelDatabase& db);

enum class JsonStatus { Ok, Invalid, Refused };

struct JsonResult {
    JsonStatus status = JsonStatus::Ok;
    Translatable error;
};

// Fills `db` from JSON text. Header fields left out keep the values `db` starts with; the
// four counts come from the array lengths; record fields left out are 0. Invalid: the text is
// not the JSON form, or a value does not fit its field. Refused: the counts exceed the
// capacities or the tables (the same checks the image makes). On failure `db` may hold part of
// the input and must not be used.
JsonResult DatabaseFromJson(std::span<const uint8_t> json, ChannelDatabase& db);

}  // namespace zev
