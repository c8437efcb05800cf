#include "database/ChannelDatabase.h"

#include <algorithm>
#include <vector>

namespace zev {

namespace {

// Calls fn(slot) once for every slot in use, TV first, then radio in list order. A slot that
// both areas hold (a smaller capacity chosen after the lists were filled makes them overlap)
// is visited once, as a TV slot, so that a reference in it is renumbered once. Slots that
// would fall outside the table (possible only with inconsistent counts) are skipped.
template <typename Fn>
void ForEachChannelSlot(const DatabaseHeader& header, Fn fn) {
    const std::size_t tvCount = std::min<std::size_t>(header.TvCount, kMaxChannelSlots);
    for (std::size_t slot = 0; slot < tvCount; ++slot) fn(slot);
    const std::size_t capacity = std::min<std::size_t>(header.ChannelCapacity, kMaxChannelSlots);
    const std::size_t radioCount = std::min<std::size_t>(header.RadioCount, capacity);
    for (std::size_t row = 0; row < radioCount; ++row) {
        const std::size_t slot = capacity - 1 - row;
        if (slot >= tvCount) fn(slot);
    }
}

// Removes every channel for which drop(channel) holds, closing the gaps and keeping the order:
// TV channels pack towards slot 0, radio channels towards slot ChannelCapacity - 1.
template <typename Pred>
void RemoveChannelsIf(ChannelDatabase& db, Pred drop) {
    auto& header = db.header;
    const std::size_t tvCount = std::min<std::size_t>(header.TvCount, kMaxChannelSlots);
    std::size_t keptTv = 0;
    for (std::size_t slot = 0; slot < tvCount; ++slot) {
        if (drop(db.channels[slot])) continue;
        if (keptTv != slot) db.channels[keptTv] = db.channels[slot];
        ++keptTv;
    }
    header.TvCount = static_cast<uint16_t>(keptTv);

    const std::size_t capacity = std::min<std::size_t>(header.ChannelCapacity, kMaxChannelSlots);
    const std::size_t radioCount = std::min<std::size_t>(header.RadioCount, capacity);
    std::size_t keptRadio = 0;
    for (std::size_t row = 0; row < radioCount; ++row) {
        const std::size_t from = capacity - 1 - row;
        if (drop(db.channels[from])) continue;
        const std::size_t to = capacity - 1 - keptRadio;
        if (to != from) db.channels[to] = db.channels[from];
        ++keptRadio;
    }
    header.RadioCount = static_cast<uint16_t>(keptRadio);
}

}  // namespace

// The edits below check no capacities (the dialogs do that first); they only refuse positions
// that would take them outside the fixed tables or past what the count fields can hold.

void ChannelDatabase::InsertSatellite(std::size_t position, const SatelliteEntry& record) {
    const std::size_t count = header.SatCount;
    if (position > count || count + 1 > 255) return;
    for (std::size_t k = count; k > position; --k) satellites[k] = satellites[k - 1];
    header.SatCount = static_cast<uint8_t>(count + 1);
    const std::size_t tpCount = std::min<std::size_t>(header.TpCount, kMaxTransponders);
    for (std::size_t i = 0; i < tpCount; ++i) {
        if (transponders[i].Sat > position) ++transponders[i].Sat;
    }
    satellites[position] = record;
}

void ChannelDatabase::DeleteSatellite(std::size_t position) {
    const std::size_t count = header.SatCount;
    if (position >= count) return;
    for (std::size_t k = position; k + 1 < count; ++k) satellites[k] = satellites[k + 1];
    const std::size_t tpCount = std::min<std::size_t>(header.TpCount, kMaxTransponders);
    for (std::size_t i = 0; i < tpCount; ++i) {
        if (transponders[i].Sat > position + 1) --transponders[i].Sat;
    }
    header.SatCount = static_cast<uint8_t>(count - 1);
}

void ChannelDatabase::InsertTransponder(std::size_t position, const TransponderEntry& record) {
    const std::size_t count = header.TpCount;
    if (position > count || count + 1 > kMaxTransponders) return;
    for (std::size_t k = count; k > position; --k) transponders[k] = transponders[k - 1];
    header.TpCount = static_cast<uint16_t>(count + 1);
    ForEachChannelSlot(header, [&](std::size_t slot) {
        if (channels[slot].TpNumber > position) ++channels[slot].TpNumber;
    });
    transponders[position] = record;
}

void ChannelDatabase::DeleteTransponder(std::size_t position) {
    const std::size_t count = std::min<std::size_t>(header.TpCount, kMaxTransponders);
    if (position >= count) return;
    for (std::size_t k = position; k + 1 < count; ++k) transponders[k] = transponders[k + 1];
    ForEachChannelSlot(header, [&](std::size_t slot) {
        if (channels[slot].TpNumber > position + 1) --channels[slot].TpNumber;
    });
    header.TpCount = static_cast<uint16_t>(count - 1);
}

void ChannelDatabase::DeleteChannelsOfTransponder(uint16_t number) {
    RemoveChannelsIf(*this, [number](const ChannelEntry& c) { return c.TpNumber == number; });
}

void ChannelDatabase::DeleteTranspondersOfSatellite(uint8_t number) {
    const std::size_t count = std::min<std::size_t>(header.TpCount, kMaxTransponders);
    auto onSatellite = [&](uint16_t tpNumber) {
        return tpNumber >= 1 && tpNumber <= count && transponders[tpNumber - 1].Sat == number;
    };
    RemoveChannelsIf(*this, [&](const ChannelEntry& c) { return onSatellite(c.TpNumber); });

    // Old number -> new number of every kept transponder; applied to the channels in one pass
    // so that a renumbered channel is never matched a second time.
    std::vector<uint16_t> renumbered(count + 1, 0);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (transponders[i].Sat == number) continue;
        if (kept != i) transponders[kept] = transponders[i];
        renumbered[i + 1] = static_cast<uint16_t>(kept + 1);
        ++kept;
    }
    ForEachChannelSlot(header, [&](std::size_t slot) {
        const uint16_t old = channels[slot].TpNumber;
        if (old >= 1 && old <= count) channels[slot].TpNumber = renumbered[old];
    });
    header.TpCount = static_cast<uint16_t>(kept);
}

}  // namespace zev
