// Where dragged rows land: the one-pass order against the list control's insert-and-delete
// steps, row by row.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "editing/RowMoves.h"

namespace zev {
namespace {

struct Row {
    std::size_t id;
    bool selected = false;
    bool checked = false;
    bool operator==(const Row&) const = default;
};

// The list control's row move: each dragged row is copied to the insert position and then
// deleted at its old place. A row that sits at the insert position itself counts as shifted by
// its copy (without that, the copy would be deleted instead of the row, leaving the row
// unselected and the next dragged row in front of it).
int MoveRowsOneByOne(std::vector<Row>& rows, std::vector<int> dragged, int dropTarget) {
    const int count = static_cast<int>(rows.size());
    int insertAt = dropTarget + 1;
    if (insertAt < 0 || insertAt > count - 1) insertAt = count;
    for (std::size_t d = 0; d < dragged.size(); ++d) {
        int i = dragged[d];
        if (i < 0 || i >= static_cast<int>(rows.size())) continue;
        Row copy = rows[static_cast<std::size_t>(i)];
        rows[static_cast<std::size_t>(i)].selected = false;
        rows.insert(rows.begin() + insertAt, copy);
        if (i >= insertAt) ++i;
        rows.erase(rows.begin() + i);
        for (std::size_t e = d + 1; e < dragged.size(); ++e) {
            if (i < dragged[e] && dragged[e] < insertAt) dragged[e] = std::max(0, dragged[e] - 1);
            if (insertAt < dragged[e] && dragged[e] < i) ++dragged[e];
        }
        if (insertAt < i) ++insertAt;
    }
    return insertAt;
}

std::vector<Row> Apply(const std::vector<Row>& rows, const DropResult& drop) {
    std::vector<Row> out;
    for (std::size_t old : drop.order) out.push_back(rows[old]);
    return out;
}

TEST(DropRows, DraggedRowsLandTogetherAfterTheDropTarget) {
    const DropResult drop = DropRows(9, std::vector<int>{2, 3}, 6);
    EXPECT_EQ(drop.order, (std::vector<std::size_t>{0, 1, 4, 5, 6, 2, 3, 7, 8}));
    EXPECT_EQ(drop.firstMoved, 5u);
    EXPECT_EQ(drop.movedCount, 2u);
    EXPECT_EQ(drop.dropTarget, 7);

    // After the row above: nothing moves, and the order of several rows is kept.
    EXPECT_TRUE(IsIdentity(DropRows(6, std::vector<int>{3}, 2).order));
    EXPECT_TRUE(IsIdentity(DropRows(6, std::vector<int>{3, 4}, 2).order));
    // Row 0 reaches the top only by being dragged down past the others.
    EXPECT_EQ(DropRows(4, std::vector<int>{3}, 0).order, (std::vector<std::size_t>{0, 3, 1, 2}));
    // Before any highlight (drop target -1) the rows go to the top; a drop target beyond the
    // rows, or on the last row, means the end.
    EXPECT_EQ(DropRows(4, std::vector<int>{2}, -1).order, (std::vector<std::size_t>{2, 0, 1, 3}));
    EXPECT_EQ(DropRows(4, std::vector<int>{0}, 3).order, (std::vector<std::size_t>{1, 2, 3, 0}));
    EXPECT_EQ(DropRows(4, std::vector<int>{0}, 9).order, (std::vector<std::size_t>{1, 2, 3, 0}));
    // Rows that are no longer in the list are skipped.
    const DropResult stale = DropRows(3, std::vector<int>{1, 7, -2}, 5);
    EXPECT_EQ(stale.order, (std::vector<std::size_t>{0, 2, 1}));
    EXPECT_EQ(stale.movedCount, 1u);
}

TEST(DropRows, TheOnePassOrderEqualsMovingTheRowsOneByOne) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        const std::size_t count = 1 + random() % 30;
        std::vector<Row> rows;
        std::vector<int> dragged;
        for (std::size_t r = 0; r < count; ++r) {
            const bool drag = random() % 3 == 0;
            rows.push_back({r, drag, random() % 4 == 0});
            if (drag) dragged.push_back(static_cast<int>(r));
        }
        if (dragged.empty()) continue;
        const int dropTarget = static_cast<int>(random() % (count + 2)) - 1;
        SCOPED_TRACE(testing::Message() << "round " << round << " target " << dropTarget);

        std::vector<Row> oneByOne = rows;
        const int insertAt = MoveRowsOneByOne(oneByOne, dragged, dropTarget);
        const DropResult drop = DropRows(count, dragged, dropTarget);
        ASSERT_EQ(Apply(rows, drop), oneByOne);
        ASSERT_EQ(drop.dropTarget, insertAt);
        // The moved rows are still selected, checked rows keep their mark, and nothing else
        // is selected.
        for (std::size_t r = 0; r < count; ++r) {
            const bool moved = r >= drop.firstMoved && r < drop.firstMoved + drop.movedCount;
            ASSERT_EQ(oneByOne[r].selected, moved) << r;
        }
    }
}

}  // namespace
}  // namespace zev
