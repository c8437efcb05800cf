#include "editing/ChannelListEditor.h"

#include <algorithm>
#include <vector>

#include "editing/RowMoves.h"

namespace zev {

ChannelListShape ChannelListEditor::Shape(const ChannelRows& rows) const {
    ChannelListShape shape = ShapeOf(db_.header, rows.ShowsTv());
    // The rows mirror the slots; should they ever disagree, only rows both know are touched.
    shape.rows = std::min(shape.rows, rows.RowCount());
    return shape;
}

int ChannelListEditor::Insert(const ChannelEntry& record, std::size_t slot) {
    DatabaseHeader& h = db_.header;
    if (ChannelSlotsFull(h)) return -1;
    const std::size_t capacity = std::min<std::size_t>(h.ChannelCapacity, kMaxChannelSlots);
    if (record.RadioFlag == 0) {
        const std::size_t count = h.TvCount;
        if (slot > count) return -1;
        for (std::size_t k = count; k > slot; --k) db_.channels[k] = db_.channels[k - 1];
        db_.channels[slot] = record;
        h.TvCount = static_cast<uint16_t>(count + 1);
    } else {
        const std::size_t lowest = capacity - h.RadioCount;  // slot of the last radio channel
        if (slot >= capacity || slot + 1 < lowest) return -1;
        if (slot >= lowest) {
            for (std::size_t k = lowest; k <= slot; ++k) db_.channels[k - 1] = db_.channels[k];
        }
        db_.channels[slot] = record;
        h.RadioCount = static_cast<uint16_t>(h.RadioCount + 1);
    }
    return 0;
}

void ChannelListEditor::Store(ChannelRows& rows, std::size_t slot, const ChannelEntry& record,
                              std::size_t row) {
    if (slot >= kMaxChannelSlots) return;
    db_.channels[slot] = record;
    if (row < rows.RowCount()) rows.RewriteRows(row, row);
}

void ChannelListEditor::Move(ChannelRows& rows, std::size_t from, std::size_t to) {
    const ChannelListShape shape = Shape(rows);
    if (from == to || !shape.ValidRow(from) || !shape.ValidRow(to)) return;
    const ChannelEntry kept = db_.channels[shape.Slot(from)];
    if (from > to) {
        for (std::size_t p = from; p > to; --p) {
            db_.channels[shape.Slot(p)] = db_.channels[shape.Slot(p - 1)];
        }
    } else {
        for (std::size_t p = from; p < to; ++p) {
            db_.channels[shape.Slot(p)] = db_.channels[shape.Slot(p + 1)];
        }
    }
    db_.channels[shape.Slot(to)] = kept;
    rows.RewriteRows(std::min(from, to), std::max(from, to));
}

std::vector<std::size_t> ChannelListEditor::Places(const ChannelRows& rows,
                                                   const ChannelListShape& shape) const {
    std::vector<std::size_t> places;
    const std::size_t count = rows.RowCount();
    places.reserve(count);
    for (std::size_t r = 0; r < count; ++r) {
        const int number = rows.RowNumber(r);
        if (number < 1 || static_cast<std::size_t>(number) > shape.rows) break;
        const std::size_t position = static_cast<std::size_t>(number - 1);
        if (!places.empty() && position <= places.back()) break;
        places.push_back(position);
    }
    return places;
}

bool ChannelListEditor::MoveChannels(ChannelRows& rows, std::span<const std::size_t> collected,
                                     std::size_t target) {
    const ChannelListShape shape = ShapeOf(db_.header, rows.ShowsTv());
    const std::vector<std::size_t> places = Places(rows, shape);
    const MoveResult move = MoveChannelOrder(places.size(), collected, target);
    if (!move.rewritten) return false;
    PermuteSlots(shape, places, move.order, move.first, move.last);
    rows.RewriteRows(move.first, move.last);
    return !IsIdentity(move.order);
}

std::size_t ChannelListEditor::DeleteChannels(ChannelRows& rows,
                                              std::span<const std::size_t> collected) {
    const ChannelListShape shape = ShapeOf(db_.header, rows.ShowsTv());
    const std::vector<std::size_t> places = Places(rows, shape);
    std::vector<std::size_t> doomed;
    doomed.reserve(collected.size());
    for (std::size_t row : collected) {
        if (row < places.size()) doomed.push_back(row);
    }
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    if (doomed.empty()) return 0;

    // One pass closes every gap: each kept channel moves up by the number of deleted channels
    // above it. The slots that fall out of use keep stale records, which nothing reads.
    std::size_t kept = places[doomed.front()];
    auto next = doomed.begin();
    for (std::size_t position = kept; position < shape.rows; ++position) {
        if (next != doomed.end() && places[*next] == position) {
            ++next;
            continue;
        }
        db_.channels[shape.Slot(kept++)] = db_.channels[shape.Slot(position)];
    }
    rows.RemoveRows(doomed);

    DatabaseHeader& h = db_.header;
    uint16_t& count = shape.tv ? h.TvCount : h.RadioCount;
    count = static_cast<uint16_t>(count - std::min<std::size_t>(count, doomed.size()));
    return doomed.size();
}

bool ChannelListEditor::RebuildFromList(ChannelRows& rows) {
    const ChannelListShape shape = ShapeOf(db_.header, rows.ShowsTv());
    const std::size_t rowCount = rows.RowCount();
    const std::size_t used = std::min(rowCount, shape.rows);
    // Each row's position before the drag; the positions, in rising order, are the places the
    // rows now fill one after another.
    std::vector<std::size_t> rank(shape.rows, used);
    std::vector<std::size_t> from(used);
    bool valid = true;
    for (std::size_t r = 0; r < used; ++r) {
        const int number = rows.RowNumber(r);
        if (number < 1 || static_cast<std::size_t>(number) > shape.rows ||
            rank[static_cast<std::size_t>(number - 1)] != used) {
            valid = false;
            break;
        }
        from[r] = static_cast<std::size_t>(number - 1);
        rank[from[r]] = 0;
    }
    std::vector<std::size_t> positions;
    positions.reserve(rowCount);
    bool moved = false;
    if (valid) {
        for (std::size_t p = 0; p < shape.rows; ++p) {
            if (rank[p] == used) continue;
            rank[p] = positions.size();
            positions.push_back(p);
        }
        std::vector<std::size_t> order(used);
        for (std::size_t r = 0; r < used; ++r) order[r] = rank[from[r]];
        // Numbers that are not the positions of this list cannot say where a channel came
        // from; the channels then stay where they are rather than be duplicated or lost.
        moved = !IsIdentity(order);
        if (moved) PermuteSlots(shape, positions, order, 0, used == 0 ? 0 : used - 1);
    } else {
        positions.clear();
    }
    for (std::size_t r = positions.size(); r < rowCount; ++r) positions.push_back(r);
    rows.RenumberRows(positions);
    return moved;
}

void ChannelListEditor::PermuteSlots(const ChannelListShape& shape,
                                     std::span<const std::size_t> places,
                                     std::span<const std::size_t> order, std::size_t first,
                                     std::size_t last) {
    if (order.empty() || first > last) return;
    std::vector<ChannelEntry> before;
    before.reserve(last - first + 1);
    for (std::size_t r = first; r <= last; ++r) {
        before.push_back(db_.channels[shape.Slot(places[r])]);
    }
    for (std::size_t r = first; r <= last; ++r) {
        db_.channels[shape.Slot(places[r])] = before[order[r] - first];
    }
}

}  // namespace zev
