// Compares two channel databases record by record: which satellites, transponders and TV and
// radio channels were added, removed, moved or changed, and which header fields differ.
//
// Records are matched by what they are, not by their numbers, so that inserting a record does
// not make every later one look changed:
// - satellites by name, the first of equal names with the first;
// - transponders by satellite, frequency and polarisation, then by satellite and frequency;
// - channels, within the TV list and within the radio list, by transponder, Service ID and
//   name, then by transponder and Service ID, then by transponder and name, then by Service ID
//   and name.
// Here "satellite" and "transponder" mean the matched record, so a renumbered transponder is
// still the same transponder. Records left over on both sides at the same position are then
// taken to be the same record, edited. A matched record counts as moved when its place among
// the records both databases hold changed (the fewest records that explain the new order), so
// deleting one channel does not move the ones after it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/RecordRef.h"

namespace zev {

enum class DiffChange { Added, Removed, Kept };

struct FieldChange {
    // The field's name ("APID", "Name"), or "Transponder" / "Satellite" for a channel or
    // transponder that now refers to another record.
    std::string field;
    // The values as text (UTF-8, one line): numbers in decimal (header addresses and sizes in
    // hexadecimal), a name as it is, a reference as its number with what it names:
    // "3 (11778 V)", "2 \"SAT1\"", "9 (missing)".
    std::string before;
    std::string after;
};

struct RecordDiff {
    RecordKind kind = RecordKind::Satellite;  // never Header
    DiffChange change = DiffChange::Kept;
    std::optional<std::size_t> before;  // 0-based position (list row for channels), first
    std::optional<std::size_t> after;   // and second database; one is empty when added/removed
    bool moved = false;                 // Kept: its order among the kept records changed
    std::vector<FieldChange> fields;    // Kept: every field whose value differs
    // How the user knows the record (UTF-8, one line): the name of a satellite or channel,
    // "11778 V" (frequency and polarisation) for a transponder.
    std::string name;
};

struct DatabaseDiff {
    std::vector<FieldChange> header;
    // Only records that differ: satellites, then transponders, TV and radio channels, each in
    // list order (a removed record where it stood in the first database).
    std::vector<RecordDiff> records;

    bool Equal() const { return header.empty() && records.empty(); }
};

struct DiffOptions {
    // Magic says which kind of block an image was read from (a default-channel block always has
    // 0x4567), not what the database holds; leave it out when the two sides are different kinds.
    bool compareMagic = true;
};

DatabaseDiff DiffDatabases(const ChannelDatabase& before, const ChannelDatabase& after,
                           const DiffOptions& options = {});

}  // namespace zev
