#include "editing/ReferenceOrder.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>

#include "core/TextFormat.h"
#include "database/RecordName.h"
#include "editing/ChannelSlots.h"
#include "editing/NaturalOrder.h"
#include "editing/RecordLinks.h"

namespace zev {

namespace {

ChannelIdentity IdentityOf(const ChannelDatabase& db, std::size_t transponders,
                           const ChannelEntry& channel) {
    ChannelIdentity identity;
    identity.name = NameBytes(channel.Name);
    identity.serviceId = channel.ServiceID;
    if (channel.TpNumber >= 1 && channel.TpNumber <= transponders) {
        const TransponderEntry& tp = db.transponders[channel.TpNumber - 1];
        if (const SatelliteEntry* satellite = SatelliteOf(db, tp)) {
            identity.onSatellite = true;
            identity.frequency = tp.Frequency;
            identity.polarization = tp.Polarization != 0 ? 1 : 0;
            identity.satelliteName = NameBytes(satellite->Name);
        }
    }
    return identity;
}

std::vector<ChannelIdentity> ListIdentities(const ChannelDatabase& db, bool tv) {
    const ChannelListShape shape = ShapeOf(db.header, tv);
    const std::size_t transponders = TranspondersInUse(db);
    std::vector<ChannelIdentity> list;
    list.reserve(shape.rows);
    for (std::size_t row = 0; row < shape.rows; ++row) {
        list.push_back(IdentityOf(db, transponders, db.channels[shape.Slot(row)]));
    }
    return list;
}

std::string ServiceKey(const ChannelIdentity& c) {
    std::string key(5, '\0');
    key[0] = static_cast<char>(c.serviceId >> 8);
    key[1] = static_cast<char>(c.serviceId & 0xFF);
    key[2] = static_cast<char>(c.frequency >> 8);
    key[3] = static_cast<char>(c.frequency & 0xFF);
    key[4] = static_cast<char>(c.polarization);
    return key + c.satelliteName;
}

std::string FoldedName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) c = static_cast<char>(FoldLatin1(static_cast<unsigned char>(c)));
    return folded;
}

// Reference channels by key, each key's channels in reference order; taking one skips those
// already taken.
class ReferenceIndex {
  public:
    void Add(const std::string& key, std::size_t index) { lists_[key].indexes.push_back(index); }

    std::optional<std::size_t> TakeFirstUnused(const std::string& key, std::vector<bool>& used) {
        const auto found = lists_.find(key);
        if (found == lists_.end()) return std::nullopt;
        Candidates& candidates = found->second;
        while (candidates.next < candidates.indexes.size()) {
            const std::size_t index = candidates.indexes[candidates.next++];
            if (!used[index]) {
                used[index] = true;
                return index;
            }
        }
        return std::nullopt;
    }

  private:
    struct Candidates {
        std::vector<std::size_t> indexes;
        std::size_t next = 0;
    };
    std::unordered_map<std::string, Candidates> lists_;
};

ListPlacement OrderList(ChannelDatabase& db, bool tv, const std::vector<ChannelIdentity>& reference,
                        bool& changed) {
    const ChannelListShape shape = ShapeOf(db.header, tv);
    const std::vector<ChannelIdentity> channels = ListIdentities(db, tv);

    ReferenceIndex byService;
    ReferenceIndex byName;
    for (std::size_t i = 0; i < reference.size(); ++i) {
        if (reference[i].onSatellite) byService.Add(ServiceKey(reference[i]), i);
        byName.Add(FoldedName(reference[i].name), i);
    }
    std::vector<bool> used(reference.size(), false);
    std::vector<std::optional<std::size_t>> match(channels.size());
    for (std::size_t row = 0; row < channels.size(); ++row) {
        if (channels[row].onSatellite) {
            match[row] = byService.TakeFirstUnused(ServiceKey(channels[row]), used);
        }
    }
    for (std::size_t row = 0; row < channels.size(); ++row) {
        if (!match[row]) match[row] = byName.TakeFirstUnused(FoldedName(channels[row].name), used);
    }

    // order[newRow] = oldRow: matched rows by their reference place, then the rest.
    std::vector<std::size_t> byReference(reference.size(), SIZE_MAX);
    std::vector<std::size_t> order;
    order.reserve(channels.size());
    for (std::size_t row = 0; row < channels.size(); ++row) {
        if (match[row]) byReference[*match[row]] = row;
    }
    for (const std::size_t row : byReference) {
        if (row != SIZE_MAX) order.push_back(row);
    }
    const std::size_t placed = order.size();
    for (std::size_t row = 0; row < channels.size(); ++row) {
        if (!match[row]) order.push_back(row);
    }

    std::vector<ChannelEntry> old;
    old.reserve(shape.rows);
    for (std::size_t row = 0; row < shape.rows; ++row) old.push_back(db.channels[shape.Slot(row)]);
    for (std::size_t row = 0; row < shape.rows; ++row) {
        changed = changed || order[row] != row;
        db.channels[shape.Slot(row)] = old[order[row]];
    }
    return {placed, channels.size()};
}

}  // namespace

ReferenceLists ReferenceListsOf(const ChannelDatabase& db) {
    return {ListIdentities(db, true), ListIdentities(db, false)};
}

Result<ReferenceLists, std::vector<CsvProblem>> ReferenceListsFromCsv(const CsvImportFiles& files) {
    auto db = std::make_unique<ChannelDatabase>();
    db->header.SatCapacity = kMaxSatellites - 1;
    db->header.TpCapacity = kMaxTransponders;
    db->header.ChannelCapacity = kMaxChannelSlots;
    const auto imported = ImportCsv(*db, files);
    if (!imported) return Failure(imported.error());
    return ReferenceListsOf(*db);
}

ReorderResult OrderLikeReference(ChannelDatabase& db, const ReferenceLists& reference) {
    ReorderResult result;
    result.tv = OrderList(db, true, reference.tv, result.changed);
    result.radio = OrderList(db, false, reference.radio, result.changed);
    return result;
}

Translatable ReorderSummary(const ReorderResult& result) {
    return (result.tv.total == 1
                ? ZEV_TR("Reorder",
                         "TV: %1 of %2 channel placed like the reference; radio: %3 of %4")
                : ZEV_TR("Reorder",
                         "TV: %1 of %2 channels placed like the reference; radio: %3 of %4"))
        .Arg(result.tv.placed)
        .Arg(result.tv.total)
        .Arg(result.radio.placed)
        .Arg(result.radio.total);
}

}  // namespace zev
