// Giving the TV and radio lists the order of another list the user already knows (last year's
// list, a friend's). The reference is only a sequence of channel identities, so it can come
// from any file that names channels with their transponders.
//
// A channel matches a channel of the reference when both have the same Service ID, frequency
// and polarisation and their satellites the same name; failing that, when both have the same
// name, letters compared without regard to case. Each reference channel matches at most one
// channel, the first in list order: first every channel that has one is matched by Service ID,
// frequency, polarisation and satellite, then the channels left over by name, so a match by
// name never takes a reference channel from a later channel that is the same service.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Result.h"
#include "core/Translatable.h"
#include "database/ChannelDatabase.h"
#include "formats/CsvImport.h"

namespace zev {

struct ChannelIdentity {
    std::string name;  // Latin-1 bytes up to the first NUL
    uint16_t serviceId = 0;
    // Whether the channel's transponder and that transponder's satellite exist; without them
    // the channel is matched by name only.
    bool onSatellite = false;
    uint16_t frequency = 0;
    uint8_t polarization = 0;  // 0 H, 1 V
    std::string satelliteName;
};

struct ReferenceLists {
    std::vector<ChannelIdentity> tv;
    std::vector<ChannelIdentity> radio;
};

// The TV and radio lists of a database as identities, in list order.
ReferenceLists ReferenceListsOf(const ChannelDatabase& db);

// The lists of the three CSV files of an export, read as ImportCsv reads them onto a database
// that may hold as much as the program's tables (a reference is only read, never packed).
Result<ReferenceLists, std::vector<CsvProblem>> ReferenceListsFromCsv(const CsvImportFiles& files);

struct ListPlacement {
    std::size_t placed = 0;  // channels that matched one of the reference
    std::size_t total = 0;   // channels of the list
};

struct ReorderResult {
    ListPlacement tv;
    ListPlacement radio;
    bool changed = false;  // a channel changed place
};

// The channels of each list that match a channel of the same list of the reference come first,
// in the reference's order; the others follow in their old order. Only the channel slots of the
// two lists change.
ReorderResult OrderLikeReference(ChannelDatabase& db, const ReferenceLists& reference);

// "TV: 32 of 40 channels placed like the reference; radio: 5 of 9".
Translatable ReorderSummary(const ReorderResult& result);

}  // namespace zev
