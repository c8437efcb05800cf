#include "editing/DatabaseDiff.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>
#include <unordered_map>

#include "core/Latin1Text.h"
#include "core/TextFormat.h"
#include "database/FieldTables.h"
#include "database/RecordName.h"
#include "database/TableRanges.h"

namespace zev {

namespace {

constexpr int kUnmatched = -1;
// Identity of a reference that names no record: the same number on both sides is the same
// (missing) record, and never equal to an identity of a real one.
constexpr int64_t kMissing = int64_t{1} << 40;

// Which record of the first database is which record of the second.
struct Matching {
    std::vector<int> aToB;
    std::vector<int> bToA;

    Matching(std::size_t a, std::size_t b) : aToB(a, kUnmatched), bToA(b, kUnmatched) {}
    void Pair(std::size_t a, std::size_t b) {
        aToB[a] = static_cast<int>(b);
        bToA[b] = static_cast<int>(a);
    }
};

// A key of numbers and an optional name, as bytes, for a hash map.
std::string Key(std::initializer_list<int64_t> numbers, std::string_view name = {}) {
    std::string key;
    key.reserve(numbers.size() * sizeof(int64_t) + name.size());
    for (const int64_t n : numbers) {
        char bytes[sizeof n];
        std::memcpy(bytes, &n, sizeof n);
        key.append(bytes, sizeof n);
    }
    key.append(name);
    return key;
}

// Pairs the records still unmatched on both sides whose keys are equal: the first such record
// of the first database with the first of the second, and so on.
template <typename KeyA, typename KeyB>
void MatchByKey(Matching& m, KeyA keyA, KeyB keyB) {
    struct Waiting {
        std::vector<std::size_t> b;
        std::size_t next = 0;
    };
    std::unordered_map<std::string, Waiting> waiting;
    waiting.reserve(m.bToA.size());
    for (std::size_t b = 0; b < m.bToA.size(); ++b) {
        if (m.bToA[b] == kUnmatched) waiting[keyB(b)].b.push_back(b);
    }
    if (waiting.empty()) return;
    for (std::size_t a = 0; a < m.aToB.size(); ++a) {
        if (m.aToB[a] != kUnmatched) continue;
        const auto it = waiting.find(keyA(a));
        if (it == waiting.end() || it->second.next == it->second.b.size()) continue;
        m.Pair(a, it->second.b[it->second.next++]);
    }
}

// Records left over on both sides at the same position are taken to be one record, edited.
void MatchByPosition(Matching& m) {
    const std::size_t n = std::min(m.aToB.size(), m.bToA.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (m.aToB[i] == kUnmatched && m.bToA[i] == kUnmatched) m.Pair(i, i);
    }
}

// For each record of the first database: whether it moved. The kept records that stay in
// order are the longest run whose positions increase on both sides; every other one moved.
std::vector<bool> MovedRecords(const Matching& m) {
    std::vector<std::size_t> kept;  // positions in the first database, in order
    for (std::size_t a = 0; a < m.aToB.size(); ++a) {
        if (m.aToB[a] != kUnmatched) kept.push_back(a);
    }
    // Longest increasing subsequence of the second positions, O(n log n).
    std::vector<std::size_t> tails;  // index into kept of the smallest tail of each length
    std::vector<int> previous(kept.size(), -1);
    auto second = [&](std::size_t k) { return m.aToB[kept[k]]; };
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), second(k),
                                         [&](std::size_t t, int b) { return second(t) < b; });
        if (at != tails.begin()) previous[k] = static_cast<int>(*(at - 1));
        if (at == tails.end()) {
            tails.push_back(k);
        } else {
            *at = k;
        }
    }
    std::vector<bool> moved(m.aToB.size(), false);
    for (const std::size_t a : kept) moved[a] = true;
    for (int k = tails.empty() ? -1 : static_cast<int>(tails.back()); k >= 0; k = previous[k]) {
        moved[kept[static_cast<std::size_t>(k)]] = false;
    }
    return moved;
}

// Identities that stand for the same record on both sides: the second database's position for
// matched and second-side records, a number past them for first-side records of their own.
struct Identities {
    std::vector<int64_t> a;
    std::vector<int64_t> b;

    explicit Identities(const Matching& m) : a(m.aToB.size()), b(m.bToA.size()) {
        for (std::size_t j = 0; j < b.size(); ++j) b[j] = static_cast<int64_t>(j);
        for (std::size_t i = 0; i < a.size(); ++i) {
            a[i] = m.aToB[i] != kUnmatched ? m.aToB[i] : static_cast<int64_t>(b.size() + i);
        }
    }
    static int64_t Of(const std::vector<int64_t>& ids, uint32_t number) {
        return number >= 1 && number <= ids.size() ? ids[number - 1] : kMissing + number;
    }
};

std::string NameText(const std::array<char, kNameFieldSize>& name) {
    return Latin1ToUtf8Line(NameBytes(name));
}

std::string HeaderValue(const char* field, uint32_t value) {
    const bool hex = std::strstr(field, "Block") != nullptr || std::strcmp(field, "Magic") == 0;
    return hex ? Format("0x%X", value) : std::to_string(value);
}

// One side of the comparison with the ranges of its tables.
struct Side {
    const ChannelDatabase& db;
    TableRanges ranges;

    explicit Side(const ChannelDatabase& database)
        : db(database), ranges(RangesInTables(database.header)) {}

    const ChannelEntry& Channel(RecordKind list, std::size_t row) const {
        return list == RecordKind::TvChannel ? db.Tv(row) : db.Radio(row);
    }
    std::size_t Rows(RecordKind list) const {
        return list == RecordKind::TvChannel ? ranges.tvRows : ranges.radioRows;
    }
    std::string SatelliteText(uint32_t number) const {
        if (number < 1 || number > ranges.satellites) return Format("%u (missing)", number);
        return Format("%u \"%s\"", number, NameText(db.satellites[number - 1].Name).c_str());
    }
    std::string TransponderName(std::size_t position) const {
        const TransponderEntry& t = db.transponders[position];
        return Format("%u %s", unsigned{t.Frequency}, t.Polarization != 0 ? "V" : "H");
    }
    std::string TransponderText(uint32_t number) const {
        if (number < 1 || number > ranges.transponders) return Format("%u (missing)", number);
        return Format("%u (%s)", number, TransponderName(number - 1).c_str());
    }
};

class Differ {
  public:
    Differ(const ChannelDatabase& before, const ChannelDatabase& after, const DiffOptions& options)
        : a_(before), b_(after), options_(options) {}

    DatabaseDiff Run() {
        DiffHeader();
        const Matching satellites = MatchSatellites();
        satellites_ = std::make_unique<Identities>(satellites);
        Emit(RecordKind::Satellite, satellites,
             [&](std::size_t i, std::size_t j) { return SatelliteFields(i, j); });
        const Matching transponders = MatchTransponders();
        transponders_ = std::make_unique<Identities>(transponders);
        Emit(RecordKind::Transponder, transponders,
             [&](std::size_t i, std::size_t j) { return TransponderFields(i, j); });
        for (const RecordKind list : {RecordKind::TvChannel, RecordKind::RadioChannel}) {
            const Matching channels = MatchChannels(list);
            Emit(list, channels,
                 [&](std::size_t i, std::size_t j) { return ChannelFields(list, i, j); });
        }
        return std::move(diff_);
    }

  private:
    void DiffHeader() {
        for (const auto& field : HeaderFieldTable()) {
            if (!options_.compareMagic && std::strcmp(field.name, "Magic") == 0) continue;
            const uint32_t before = field.get(a_.db.header);
            const uint32_t after = field.get(b_.db.header);
            if (before != after) {
                diff_.header.push_back(
                    {field.name, HeaderValue(field.name, before), HeaderValue(field.name, after)});
            }
        }
    }

    Matching MatchSatellites() const {
        Matching m(a_.ranges.satellites, b_.ranges.satellites);
        auto name = [](const Side& side) {
            return [&side](std::size_t i) { return NameBytes(side.db.satellites[i].Name); };
        };
        MatchByKey(m, name(a_), name(b_));
        MatchByPosition(m);
        return m;
    }

    Matching MatchTransponders() const {
        Matching m(a_.ranges.transponders, b_.ranges.transponders);
        auto withPolarisation = [](const Side& side, const std::vector<int64_t>& ids) {
            return [&side, &ids](std::size_t i) {
                const TransponderEntry& t = side.db.transponders[i];
                return Key({Identities::Of(ids, t.Sat), t.Frequency, t.Polarization != 0});
            };
        };
        auto frequencyOnly = [](const Side& side, const std::vector<int64_t>& ids) {
            return [&side, &ids](std::size_t i) {
                const TransponderEntry& t = side.db.transponders[i];
                return Key({Identities::Of(ids, t.Sat), t.Frequency});
            };
        };
        MatchByKey(m, withPolarisation(a_, satellites_->a), withPolarisation(b_, satellites_->b));
        MatchByKey(m, frequencyOnly(a_, satellites_->a), frequencyOnly(b_, satellites_->b));
        MatchByPosition(m);
        return m;
    }

    Matching MatchChannels(RecordKind list) const {
        Matching m(a_.Rows(list), b_.Rows(list));
        // Each pass keys a channel by some of: its transponder's identity, its Service ID, its
        // name.
        auto keys = [list](const Side& side, const std::vector<int64_t>& ids, bool transponder,
                           bool service, bool name) {
            return [&side, &ids, list, transponder, service, name](std::size_t row) {
                const ChannelEntry& c = side.Channel(list, row);
                return Key({transponder ? Identities::Of(ids, c.TpNumber) : -1,
                            service ? int64_t{c.ServiceID} : -1},
                           name ? NameBytes(c.Name) : std::string());
            };
        };
        const std::vector<int64_t>& idsA = transponders_->a;
        const std::vector<int64_t>& idsB = transponders_->b;
        const bool passes[][3] = {
            {true, true, true}, {true, true, false}, {true, false, true}, {false, true, true}};
        for (const auto& pass : passes) {
            MatchByKey(m, keys(a_, idsA, pass[0], pass[1], pass[2]),
                       keys(b_, idsB, pass[0], pass[1], pass[2]));
        }
        MatchByPosition(m);
        return m;
    }

    template <typename Record>
    static void CompareNumbers(const Record& before, const Record& after,
                               std::span<const FieldOf<Record>> table, const char* skipped,
                               std::vector<FieldChange>& out) {
        for (const auto& field : table) {
            if (std::strcmp(field.name, skipped) == 0) continue;
            const uint32_t x = field.get(before);
            const uint32_t y = field.get(after);
            if (x != y) out.push_back({field.name, std::to_string(x), std::to_string(y)});
        }
    }

    // All 12 bytes count, also those after a NUL that the lists do not show: they are in the
    // image. Such names are written with their hidden bytes.
    static void CompareNames(const std::array<char, kNameFieldSize>& before,
                             const std::array<char, kNameFieldSize>& after,
                             std::vector<FieldChange>& out) {
        const std::string x = StoredNameBytes(before);
        const std::string y = StoredNameBytes(after);
        if (x == y) return;
        if (NameBytes(before) != NameBytes(after)) {
            out.push_back({"Name", NameText(before), NameText(after)});
        } else {
            out.push_back({"Name", Latin1ToUtf8Line(x), Latin1ToUtf8Line(y)});
        }
    }

    std::vector<FieldChange> SatelliteFields(std::size_t i, std::size_t j) const {
        std::vector<FieldChange> fields;
        const SatelliteEntry& x = a_.db.satellites[i];
        const SatelliteEntry& y = b_.db.satellites[j];
        CompareNames(x.Name, y.Name, fields);
        CompareNumbers(x, y, SatelliteFieldTable(), "", fields);
        return fields;
    }

    std::vector<FieldChange> TransponderFields(std::size_t i, std::size_t j) const {
        std::vector<FieldChange> fields;
        const TransponderEntry& x = a_.db.transponders[i];
        const TransponderEntry& y = b_.db.transponders[j];
        if (Identities::Of(satellites_->a, x.Sat) != Identities::Of(satellites_->b, y.Sat)) {
            fields.push_back({"Satellite", a_.SatelliteText(x.Sat), b_.SatelliteText(y.Sat)});
        }
        CompareNumbers(x, y, TransponderFieldTable(), "Sat", fields);
        return fields;
    }

    std::vector<FieldChange> ChannelFields(RecordKind list, std::size_t i, std::size_t j) const {
        std::vector<FieldChange> fields;
        const ChannelEntry& x = a_.Channel(list, i);
        const ChannelEntry& y = b_.Channel(list, j);
        CompareNames(x.Name, y.Name, fields);
        if (Identities::Of(transponders_->a, x.TpNumber) !=
            Identities::Of(transponders_->b, y.TpNumber)) {
            fields.push_back(
                {"Transponder", a_.TransponderText(x.TpNumber), b_.TransponderText(y.TpNumber)});
        }
        CompareNumbers(x, y, ChannelFieldTable(), "TpNumber", fields);
        return fields;
    }

    std::string NameOf(RecordKind kind, const Side& side, std::size_t position) const {
        switch (kind) {
            case RecordKind::Satellite:
                return NameText(side.db.satellites[position].Name);
            case RecordKind::Transponder:
                return side.TransponderName(position);
            case RecordKind::TvChannel:
            case RecordKind::RadioChannel:
                return NameText(side.Channel(kind, position).Name);
            case RecordKind::Header:
                break;
        }
        return {};
    }

    // Adds the records of one kind that differ, in list order: kept and added records by their
    // place in the second database, removed ones where they stood in the first.
    template <typename Fields>
    void Emit(RecordKind kind, const Matching& m, Fields fields) {
        const std::vector<bool> moved = MovedRecords(m);
        std::vector<RecordDiff> records;
        for (std::size_t i = 0; i < m.aToB.size(); ++i) {
            RecordDiff record;
            record.kind = kind;
            record.before = i;
            if (m.aToB[i] == kUnmatched) {
                record.change = DiffChange::Removed;
                record.name = NameOf(kind, a_, i);
            } else {
                const auto j = static_cast<std::size_t>(m.aToB[i]);
                record.after = j;
                record.moved = moved[i];
                record.fields = fields(i, j);
                if (!record.moved && record.fields.empty()) continue;
                record.name = NameOf(kind, b_, j);
            }
            records.push_back(std::move(record));
        }
        for (std::size_t j = 0; j < m.bToA.size(); ++j) {
            if (m.bToA[j] != kUnmatched) continue;
            RecordDiff record;
            record.kind = kind;
            record.change = DiffChange::Added;
            record.after = j;
            record.name = NameOf(kind, b_, j);
            records.push_back(std::move(record));
        }
        auto place = [](const RecordDiff& r) {
            return std::pair(r.change == DiffChange::Removed ? *r.before : *r.after,
                             r.change == DiffChange::Removed ? 0 : 1);
        };
        std::stable_sort(
            records.begin(), records.end(),
            [&](const RecordDiff& x, const RecordDiff& y) { return place(x) < place(y); });
        diff_.records.insert(diff_.records.end(), std::make_move_iterator(records.begin()),
                             std::make_move_iterator(records.end()));
    }

    Side a_;
    Side b_;
    const DiffOptions& options_;
    std::unique_ptr<Identities> satellites_;
    std::unique_ptr<Identities> transponders_;
    DatabaseDiff diff_;
};

}  // namespace

DatabaseDiff DiffDatabases(const ChannelDatabase& before, const ChannelDatabase& after,
                           const DiffOptions& options) {
    return Differ(before, after, options).Run();
}

}  // namespace zev
