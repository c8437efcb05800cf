#include "editing/RowMoves.h"

#include <algorithm>
#include <numeric>

namespace zev {

namespace {

// Marks the valid rows of `rows`; returns how many there are.
std::size_t MarkRows(std::size_t rowCount, std::span<const int> rows, std::vector<char>& marked) {
    marked.assign(rowCount, 0);
    std::size_t count = 0;
    for (int row : rows) {
        if (row < 0 || static_cast<std::size_t>(row) >= rowCount) continue;
        if (marked[static_cast<std::size_t>(row)] == 0) ++count;
        marked[static_cast<std::size_t>(row)] = 1;
    }
    return count;
}

}  // namespace

bool IsIdentity(std::span<const std::size_t> order) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] != i) return false;
    }
    return true;
}

DropResult DropRows(std::size_t rowCount, std::span<const int> dragged, int dropTarget) {
    DropResult result;
    std::vector<char> isDragged;
    const std::size_t moved = MarkRows(rowCount, dragged, isDragged);

    // The insert position: after the drop target, or the end when that lies outside the rows.
    const long long after = static_cast<long long>(dropTarget) + 1;
    const std::size_t insertAt = after < 0 || after > static_cast<long long>(rowCount) - 1
                                     ? rowCount
                                     : static_cast<std::size_t>(after);

    result.order.reserve(rowCount);
    for (std::size_t row = 0; row < insertAt; ++row) {
        if (isDragged[row] == 0) result.order.push_back(row);
    }
    result.firstMoved = result.order.size();
    for (std::size_t row = 0; row < rowCount; ++row) {
        if (isDragged[row] != 0) result.order.push_back(row);
    }
    for (std::size_t row = insertAt; row < rowCount; ++row) {
        if (isDragged[row] == 0) result.order.push_back(row);
    }
    result.movedCount = moved;
    result.dropTarget = static_cast<int>(moved == 0 ? insertAt : result.firstMoved + moved);
    return result;
}

MoveResult MoveChannelOrder(std::size_t rowCount, std::span<const std::size_t> collected,
                            std::size_t target) {
    MoveResult result;
    result.order.resize(rowCount);
    std::iota(result.order.begin(), result.order.end(), std::size_t{0});
    if (target >= rowCount) return result;

    std::vector<std::size_t> rows(collected.begin(), collected.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::lower_bound(rows.begin(), rows.end(), rowCount), rows.end());

    const auto split = std::lower_bound(rows.begin(), rows.end(), target);
    const std::vector<std::size_t> above(rows.begin(), split);  // move down to the target
    std::vector<std::size_t> below;                             // move up to the target
    for (auto it = split; it != rows.end(); ++it) {
        if (*it != target) below.push_back(*it);
    }
    if (above.empty() && below.empty()) return result;

    // Each row from above takes the target's place in turn, so they end up just below the
    // target row in their old order. Each row from below is then put at the target position,
    // which moves on by one each time: they stack up there in their old order, in front of
    // whatever held the target position (the last row from above, or the target row itself).
    std::vector<char> isAbove(rowCount, 0);
    std::vector<char> isBelow(rowCount, 0);
    for (std::size_t row : above) isAbove[row] = 1;
    for (std::size_t row : below) isBelow[row] = 1;

    std::vector<std::size_t> upToTarget;  // the rows at 0 .. target after the rows from above
    upToTarget.reserve(target + 1);
    for (std::size_t row = 0; row <= target; ++row) {
        if (isAbove[row] == 0) upToTarget.push_back(row);
    }
    upToTarget.insert(upToTarget.end(), above.begin(), above.end());

    std::vector<std::size_t>& order = result.order;
    std::size_t at = 0;
    for (std::size_t i = 0; i < target; ++i) order[at++] = upToTarget[i];
    for (std::size_t row : below) order[at++] = row;
    order[at++] = upToTarget[target];
    for (std::size_t row = target + 1; row < rowCount; ++row) {
        if (isBelow[row] == 0) order[at++] = row;
    }

    // Every single move writes the rows between its source and its target again.
    result.rewritten = true;
    result.first = above.empty() ? target : above.front();
    result.last = below.empty() ? target : below.back();
    return result;
}

}  // namespace zev
