#include "Invariants.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "app/ViewState.h"
#include "database/ChannelDatabase.h"
#include "editing/DatabaseHistory.h"
#include "editing/RecordLinks.h"
#include "lists/CZuzeListViewView.h"

namespace soak {
namespace {

template <typename T>
void HashBytes(uint64_t& hash, const T& object) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&object);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        hash = (hash ^ bytes[i]) * 0x100000001B3ull;
    }
}

std::vector<int> RowNumbers(const CZuzeListViewView& list) {
    std::vector<int> numbers;
    const ChannelListModel& rows = list.Channels();
    for (int r = 0; r < rows.RowCount(); ++r) numbers.push_back(rows.Row(r).number);
    return numbers;
}

std::string Quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

std::string Numbers(const std::vector<int>& numbers) {
    std::string text;
    const std::size_t shown = std::min<std::size_t>(numbers.size(), 12);
    for (std::size_t i = 0; i < shown; ++i) text += (i ? " " : "") + std::to_string(numbers[i]);
    if (shown < numbers.size()) text += " ... (" + std::to_string(numbers.size()) + " rows)";
    return text.empty() ? "no rows" : text;
}

uint64_t HashWithHeader(const zev::ChannelDatabase& db, const zev::DatabaseHeader& header) {
    uint64_t hash = 0xCBF29CE484222325ull;
    HashBytes(hash, header);
    HashBytes(hash, db.satellites);
    HashBytes(hash, db.transponders);
    HashBytes(hash, db.channels);
    HashBytes(hash, db.Loaded);
    return hash;
}

}  // namespace

uint64_t DatabaseHash(const zev::ChannelDatabase& db) { return HashWithHeader(db, db.header); }

uint64_t HashBesideDefaultCounts(const zev::ChannelDatabase& db) {
    zev::DatabaseHeader header;
    std::memcpy(&header, &db.header, sizeof header);
    header.DefaultSatCount = 0;
    header.DefaultTpCount = 0;
    header.DefaultTvCount = 0;
    header.DefaultRadioCount = 0;
    return HashWithHeader(db, header);
}

DanglingCount CountDangling(const zev::ChannelDatabase& db) {
    DanglingCount count;
    const std::size_t satellites = zev::SatellitesInUse(db);
    const std::size_t transponders = zev::TranspondersInUse(db);
    for (std::size_t t = 0; t < transponders; ++t) {
        const unsigned sat = db.transponders[t].Sat;
        if (sat == 0 || sat > satellites) ++count.transponders;
    }
    for (std::size_t slot : zev::ChannelSlotsInUse(db)) {
        const unsigned tp = db.channels[slot].TpNumber;
        if (tp == 0 || tp > transponders) ++count.channels;
    }
    return count;
}

std::optional<std::string> CompareRows(CZuzeListViewView& list, const ViewState& view,
                                       const QString& boxText, CZuzeListViewView& fresh) {
    const ChannelListModel& rows = list.Channels();
    const bool tv = view.TvListShown();
    const bool hex = view.HexMode();
    if (rows.TvList() != tv) {
        return std::string("channel rows: the ") + (tv ? "TV" : "radio") +
               " list is shown but its rows show the other list";
    }
    if (rows.HexMode() != hex) return "channel rows: the rows and the view disagree on hex mode";
    if (boxText != list.FilterText()) {
        return "channel rows: the filter box reads " + Quoted(boxText) +
               " but the rows are filtered by " + Quoted(list.FilterText());
    }

    fresh.SetFilterText(list.FilterText());
    fresh.Refill(tv, hex);
    const std::vector<int> expected = RowNumbers(fresh);
    const std::vector<int> actual = RowNumbers(list);
    fresh.SetFilterText(QString());
    fresh.Refill(tv, hex);
    const int total = fresh.RowCount();
    if (!list.Filtered()) {
        if (actual != expected) {
            return "channel rows: the rows show the positions " + Numbers(actual) +
                   " where a fresh fill shows " + Numbers(expected);
        }
    } else {
        const bool ordered = std::adjacent_find(actual.begin(), actual.end(),
                                                std::greater_equal<int>()) == actual.end();
        const bool inRange = std::all_of(actual.begin(), actual.end(),
                                         [total](int n) { return n >= 1 && n <= total; });
        if (!ordered || !inRange ||
            !std::includes(actual.begin(), actual.end(), expected.begin(), expected.end())) {
            return "channel rows: filtered by " + Quoted(list.FilterText()) +
                   ", the rows show the positions " + Numbers(actual) + " of " +
                   std::to_string(total) + " where a fresh fill shows " + Numbers(expected);
        }
    }

    // The cells: every row shows what a fresh fill shows, in hex mode too.
    for (int r = 0; r < rows.RowCount(); ++r) {
        const int position = actual[static_cast<std::size_t>(r)] - 1;
        for (int c = 0; c < CZuzeListViewView::kColumnCount; ++c) {
            const QString shown = list.CellText(r, c);
            const QString wanted = fresh.CellText(position, c);
            if (shown == wanted) continue;
            return "channel rows: row " + std::to_string(r + 1) + " column " + std::to_string(c) +
                   " shows " + Quoted(shown) + " where a fresh fill shows " + Quoted(wanted);
        }
    }
    return std::nullopt;
}

void HistoryWatch::Remember(const zev::DatabaseHistory& history, uint64_t hash) {
    hashOfState_[history.State()] = hash;
}

std::optional<std::string> HistoryWatch::UndoEverything(zev::DatabaseHistory& history,
                                                        zev::ChannelDatabase& db) {
    const uint64_t state = history.State();
    const uint64_t now = DatabaseHash(db);
    if (const auto known = hashOfState_.find(state);
        known != hashOfState_.end() && known->second != now) {
        return "undo history: the database changed without a step (state " + std::to_string(state) +
               " holds other bytes than when it was reached)";
    }
    const std::size_t steps = history.UndoCount();
    for (std::size_t i = 0; i < steps; ++i) history.Undo();
    const uint64_t first = history.State();
    std::optional<std::string> finding;
    if (const auto known = hashOfState_.find(first);
        known != hashOfState_.end() && known->second != DatabaseHash(db)) {
        finding = "undo history: undoing all " + std::to_string(steps) +
                  " steps does not give back the first database byte for byte";
    }
    // States before the first one the history keeps are forgotten.
    hashOfState_.erase(hashOfState_.begin(), hashOfState_.lower_bound(first));
    for (std::size_t i = 0; i < steps; ++i) history.Redo();
    if (!finding && (history.State() != state || DatabaseHash(db) != now)) {
        finding = "undo history: redoing all " + std::to_string(steps) +
                  " steps does not give back the database before the undo";
    }
    return finding;
}

std::optional<std::string> HistoryWatch::Relearn(zev::DatabaseHistory& history,
                                                 zev::ChannelDatabase& db) {
    hashOfState_.clear();
    const uint64_t state = history.State();
    const uint64_t now = DatabaseHash(db);
    hashOfState_[state] = now;
    const std::size_t steps = history.UndoCount();
    for (std::size_t i = 0; i < steps; ++i) {
        history.Undo();
        hashOfState_[history.State()] = DatabaseHash(db);
    }
    for (std::size_t i = 0; i < steps; ++i) history.Redo();
    if (history.State() != state || DatabaseHash(db) != now) {
        return "undo history: after a change taken as it is, undoing and redoing all " +
               std::to_string(steps) + " steps does not give back the database";
    }
    return std::nullopt;
}

}  // namespace soak
