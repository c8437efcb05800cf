// The new row order of the two reordering gestures, worked out in one pass over the rows: a drag
// (the dragged rows land together after the drop target) and Move Channel (the selected rows
// move to the row clicked next). Both return `order`, where order[newRow] = oldRow.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace zev {

struct DropResult {
    std::vector<std::size_t> order;
    std::size_t firstMoved = 0;  // the dragged rows now are rows firstMoved .. + movedCount - 1
    std::size_t movedCount = 0;
    int dropTarget = -1;  // the row just after the last moved row
};

// Drops the dragged rows after row `dropTarget`: they keep their relative order and land
// directly after it; a drop target outside the rows, or on the last row, means the end of the
// list. Dragged rows outside the list are skipped.
DropResult DropRows(std::size_t rowCount, std::span<const int> dragged, int dropTarget);

struct MoveResult {
    std::vector<std::size_t> order;
    // Rows first to last changed their channel (and are written again); empty when none did.
    bool rewritten = false;
    std::size_t first = 0;
    std::size_t last = 0;
};

// Move Channel: the collected rows move, one after another, to the target row. Rows above the
// target land directly below the target row, in their old order; rows below it land starting
// at the target row, in their old order, and the last row that came from above goes after
// them. Collected rows outside the list are skipped; a target outside it moves nothing.
MoveResult MoveChannelOrder(std::size_t rowCount, std::span<const std::size_t> collected,
                            std::size_t target);

// True when `order` keeps every row in its place.
bool IsIdentity(std::span<const std::size_t> order);

}  // namespace zev
