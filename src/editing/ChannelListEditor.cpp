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

void ChannelListEditor::Delete(ChannelRows& rows, std::size_t row) {
    const std::size_t collected[] = {row};
    DeleteChannels(rows, collected);
}

bool ChannelListEditor::MoveChannels(ChannelRows& rows, std::span<const std::size_t> collected,
                                     std::size_t target) {
    const ChannelListShape shape = Shape(rows);
    const MoveResult move = MoveChannelOrder(shape.rows, collected, target);
    if (!move.rewritten) return false;
    PermuteSlots(shape, move.order, move.first, move.last);
    rows.RewriteRows(move.first, move.last);
    return !IsIdentity(move.order);
}

std::size_t ChannelListEditor::DeleteChannels(ChannelRows& rows,
                                              std::span<const std::size_t> collected) {
    const ChannelListShape shape = Shape(rows);
    std::vector<std::size_t> doomed;
    doomed.reserve(collected.size());
    for (std::size_t row : collected) {
        if (shape.ValidRow(row)) doomed.push_back(row);
    }
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    if (doomed.empty()) return 0;

    // One pass closes every gap: each kept channel moves up by the number of deleted rows
    // above it. The slots that fall out of use keep stale records, which nothing reads.
    std::size_t kept = doomed.front();
    auto next = doomed.begin();
    for (std::size_t row = doomed.front(); row < shape.rows; ++row) {
        if (next != doomed.end() && *next == row) {
            ++next;
            continue;
        }
        db_.channels[shape.Slot(kept++)] = db_.channels[shape.Slot(row)];
    }
    rows.RemoveRows(doomed);

    DatabaseHeader& h = db_.header;
    uint16_t& count = shape.tv ? h.TvCount : h.RadioCount;
    count = static_cast<uint16_t>(count - std::min<std::size_t>(count, doomed.size()));
    return doomed.size();
}

bool ChannelListEditor::RebuildFromList(ChannelRows& rows) {
    const ChannelListShape shape = Shape(rows);
    std::vector<std::size_t> order(shape.rows);
    std::vector<char> taken(shape.rows, 0);
    bool valid = true;
    for (std::size_t r = 0; r < shape.rows; ++r) {
        const int number = rows.RowNumber(r);
        if (number < 1 || static_cast<std::size_t>(number) > shape.rows ||
            taken[static_cast<std::size_t>(number - 1)] != 0) {
            valid = false;
            break;
        }
        order[r] = static_cast<std::size_t>(number - 1);
        taken[order[r]] = 1;
    }
    // Numbers that are not the positions of this list cannot say where a channel came from;
    // the channels then stay where they are rather than be duplicated or lost.
    const bool moved = valid && !IsIdentity(order);
    if (moved) PermuteSlots(shape, order, 0, shape.rows == 0 ? 0 : shape.rows - 1);
    rows.RenumberRows();
    return moved;
}

void ChannelListEditor::PermuteSlots(const ChannelListShape& shape,
                                     std::span<const std::size_t> order, std::size_t first,
                                     std::size_t last) {
    if (order.empty() || first > last) return;
    std::vector<ChannelEntry> before;
    before.reserve(last - first + 1);
    for (std::size_t r = first; r <= last; ++r) before.push_back(db_.channels[shape.Slot(r)]);
    for (std::size_t r = first; r <= last; ++r) {
        const std::size_t from = order[r];
        db_.channels[shape.Slot(r)] = before[from - first];
    }
}

}  // namespace zev
