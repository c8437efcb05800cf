// Sorting the channels of the TV or the radio list by one key, in place. The sort is stable
// (channels that compare equal keep their order, also in descending order, which reverses only
// the comparison), touches only the channel slots of the list it sorts, and works on any set of
// list positions: the sorted channels take the places those positions hold, the others stay.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "database/ChannelDatabase.h"

namespace zev {

enum class ChannelSortKey {
    Name,       // natural order (NaturalOrder.h)
    Satellite,  // the transponder's satellite number, frequency, polarisation (H first), SID
    Frequency,  // the transponder's frequency, polarisation, Service ID
    ServiceId,
};

struct ChannelSortOrder {
    ChannelSortKey key = ChannelSortKey::Name;
    bool descending = false;
};

// "name", "sat", "freq", "sid"; nullopt for any other text.
std::optional<ChannelSortKey> SortKeyNamed(std::string_view name);

// Sorts the channels at the list positions `positions` (0-based rows of the whole TV or radio
// list, in any order) among those places. Channels on no transponder come last under the
// satellite and frequency keys, in either direction. Positions outside the list are ignored.
// True when a channel changed place.
bool SortChannelsAt(ChannelDatabase& db, bool tv, std::span<const std::size_t> positions,
                    ChannelSortOrder order);

// The whole TV or radio list; the number of channels it holds.
std::size_t SortChannelList(ChannelDatabase& db, bool tv, ChannelSortOrder order);

}  // namespace zev
