#include "editing/ChannelSort.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

#include "database/RecordName.h"
#include "editing/ChannelSlots.h"
#include "editing/NaturalOrder.h"
#include "editing/RecordLinks.h"

namespace zev {

namespace {

// What a channel is sorted by, worked out once per channel.
struct SortEntry {
    std::size_t slot = 0;
    std::string name;
    bool onTransponder = false;  // false: satellite, frequency and polarisation are unknown
    uint8_t satellite = 0;
    uint16_t frequency = 0;
    uint8_t polarization = 0;  // 0 H, 1 V
    uint16_t serviceId = 0;
};

SortEntry EntryOf(const ChannelDatabase& db, std::size_t transponders, std::size_t slot) {
    const ChannelEntry& channel = db.channels[slot];
    SortEntry entry;
    entry.slot = slot;
    entry.serviceId = channel.ServiceID;
    if (channel.TpNumber >= 1 && channel.TpNumber <= transponders) {
        const TransponderEntry& tp = db.transponders[channel.TpNumber - 1];
        entry.onTransponder = true;
        entry.satellite = tp.Sat;
        entry.frequency = tp.Frequency;
        entry.polarization = tp.Polarization != 0 ? 1 : 0;
    }
    return entry;
}

// Negative, 0 or positive, as CompareNatural; only for entries on a transponder where the key
// needs one.
int CompareKeys(const SortEntry& a, const SortEntry& b, ChannelSortKey key) {
    auto order = [](const auto& x, const auto& y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (key) {
        case ChannelSortKey::Name:
            return CompareNatural(a.name, b.name);
        case ChannelSortKey::Satellite:
            return order(std::tie(a.satellite, a.frequency, a.polarization, a.serviceId),
                         std::tie(b.satellite, b.frequency, b.polarization, b.serviceId));
        case ChannelSortKey::Frequency:
            return order(std::tie(a.frequency, a.polarization, a.serviceId),
                         std::tie(b.frequency, b.polarization, b.serviceId));
        case ChannelSortKey::ServiceId:
            break;
    }
    return order(a.serviceId, b.serviceId);
}

bool NeedsTransponder(ChannelSortKey key) {
    return key == ChannelSortKey::Satellite || key == ChannelSortKey::Frequency;
}

}  // namespace

std::optional<ChannelSortKey> SortKeyNamed(std::string_view name) {
    if (name == "name") return ChannelSortKey::Name;
    if (name == "sat") return ChannelSortKey::Satellite;
    if (name == "freq") return ChannelSortKey::Frequency;
    if (name == "sid") return ChannelSortKey::ServiceId;
    return std::nullopt;
}

bool SortChannelsAt(ChannelDatabase& db, bool tv, std::span<const std::size_t> positions,
                    ChannelSortOrder order) {
    const ChannelListShape shape = ShapeOf(db.header, tv);
    const std::size_t transponders = TranspondersInUse(db);
    std::vector<std::size_t> places(positions.begin(), positions.end());
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    std::vector<SortEntry> entries;
    entries.reserve(places.size());
    for (const std::size_t position : places) {
        if (!shape.ValidRow(position)) continue;
        entries.push_back(EntryOf(db, transponders, shape.Slot(position)));
        if (order.key == ChannelSortKey::Name) {
            entries.back().name = NameBytes(db.channels[entries.back().slot].Name);
        }
    }

    std::vector<std::size_t> sorted(entries.size());
    std::iota(sorted.begin(), sorted.end(), std::size_t{0});
    std::stable_sort(sorted.begin(), sorted.end(), [&](std::size_t x, std::size_t y) {
        const SortEntry& a = entries[x];
        const SortEntry& b = entries[y];
        if (NeedsTransponder(order.key) && a.onTransponder != b.onTransponder) {
            return a.onTransponder;  // channels on no transponder go last either way
        }
        if (NeedsTransponder(order.key) && !a.onTransponder) return false;
        const int compared = CompareKeys(a, b, order.key);
        return order.descending ? compared > 0 : compared < 0;
    });

    // The channel of entry sorted[k] moves to the k-th place the entries hold.
    std::vector<ChannelEntry> channels;
    channels.reserve(entries.size());
    for (const std::size_t index : sorted) channels.push_back(db.channels[entries[index].slot]);
    bool moved = false;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        moved = moved || sorted[k] != k;
        db.channels[entries[k].slot] = channels[k];
    }
    return moved;
}

std::size_t SortChannelList(ChannelDatabase& db, bool tv, ChannelSortOrder order) {
    std::vector<std::size_t> positions(ShapeOf(db.header, tv).rows);
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    SortChannelsAt(db, tv, positions, order);
    return positions.size();
}

}  // namespace zev
