// The channel editor's slot arithmetic: the receiver list's rules for single rows, the commands
// that do many rows at once (checked against repeating the single-row rules), and indexes that
// an inconsistent header could push outside the slot table.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "FakeChannelRows.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "editing/ChannelListEditor.h"
#include "editing/NewChannelPlace.h"
#include "editing/RowMoves.h"

namespace zev {
namespace {

using test::FakeChannelRows;
using test::FakeRow;

// Channels are told apart by their ServiceID.
std::unique_ptr<ChannelDatabase> MakeDatabase(std::size_t tv, std::size_t radio,
                                              uint16_t capacity = 1840) {
    auto db = std::make_unique<ChannelDatabase>();
    UpdateFlashLayout(db->header, 2, 1);
    db->header.ChannelCapacity = capacity;
    db->header.TvCount = static_cast<uint16_t>(tv);
    db->header.RadioCount = static_cast<uint16_t>(radio);
    for (std::size_t r = 0; r < tv; ++r) db->Tv(r).ServiceID = static_cast<uint16_t>(r);
    for (std::size_t r = 0; r < radio; ++r) {
        db->Radio(r).ServiceID = static_cast<uint16_t>(1000 + r);
        db->Radio(r).RadioFlag = 1;
    }
    return db;
}

std::vector<int> Ids(const ChannelDatabase& db, bool tv) {
    const ChannelListShape shape = ShapeOf(db.header, tv);
    std::vector<int> ids;
    for (std::size_t r = 0; r < shape.rows; ++r)
        ids.push_back(db.channels[shape.Slot(r)].ServiceID);
    return ids;
}

std::vector<int> Numbers(const FakeChannelRows& rows) {
    std::vector<int> numbers;
    for (const auto& row : rows.rows) numbers.push_back(row.number);
    return numbers;
}

std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

// Move Channel as the receiver list does it: one single-row move per collected row.
void MoveRowByRow(ChannelListEditor& editor, FakeChannelRows& rows,
                  std::vector<std::size_t> collected, std::size_t target) {
    for (std::size_t i = 0; i < collected.size(); ++i) {
        const std::size_t row = collected[i];
        editor.Move(rows, row, target);
        for (std::size_t j = i + 1; j < collected.size(); ++j) {
            if (collected[j] < target) --collected[j];
        }
        if (row > target) ++target;
    }
}

// Delete Channel as the receiver list does it: each row's channel is shifted out slot by slot.
void DeleteRowByRow(ChannelDatabase& db, FakeChannelRows& rows,
                    std::vector<std::size_t> collected) {
    for (std::size_t i = 0; i < collected.size(); ++i) {
        const std::size_t row = collected[i];
        const ChannelListShape shape = ShapeOf(db.header, rows.ShowsTv());
        const std::size_t removed[] = {row};
        rows.RemoveRows(removed);
        for (std::size_t p = row; p + 1 < shape.rows; ++p) {
            db.channels[shape.Slot(p)] = db.channels[shape.Slot(p + 1)];
        }
        (rows.ShowsTv() ? db.header.TvCount : db.header.RadioCount) -= 1;
        for (std::size_t j = i; j < collected.size(); ++j) --collected[j];
    }
}

TEST(ChannelListEditor, InsertPutsTvAndRadioChannelsAtTheirListPlaces) {
    auto db = MakeDatabase(5, 3);
    ChannelListEditor editor(*db);
    ChannelEntry tv;
    tv.ServiceID = 77;
    EXPECT_EQ(editor.Insert(tv, 2), 0);
    EXPECT_EQ(Ids(*db, true), (std::vector<int>{0, 1, 77, 2, 3, 4}));

    ChannelEntry radio;
    radio.RadioFlag = 1;
    radio.ServiceID = 88;
    // Appended after the last radio row, then put in at row 1.
    EXPECT_EQ(editor.Insert(radio, 1840 - 3 - 1), 0);
    radio.ServiceID = 99;
    EXPECT_EQ(editor.Insert(radio, 1840 - 1 - 1), 0);
    EXPECT_EQ(Ids(*db, false), (std::vector<int>{1000, 99, 1001, 1002, 88}));
    EXPECT_EQ(db->header.RadioCount, 5);
    EXPECT_EQ(Ids(*db, true), (std::vector<int>{0, 1, 77, 2, 3, 4}));
}

TEST(ChannelListEditor, InsertRefusesWhenFullOrOutsideTheList) {
    auto db = MakeDatabase(2, 2, 4);
    ChannelListEditor editor(*db);
    EXPECT_EQ(editor.Insert(ChannelEntry{}, 0), -1);
    EXPECT_EQ(Ids(*db, true), (std::vector<int>{0, 1}));

    auto roomy = MakeDatabase(2, 2, 10);
    ChannelListEditor roomyEditor(*roomy);
    EXPECT_EQ(roomyEditor.Insert(ChannelEntry{}, 3), -1);  // TV holds rows 0 to 1
    ChannelEntry radio;
    radio.RadioFlag = 1;
    EXPECT_EQ(roomyEditor.Insert(radio, 10), -1);
    EXPECT_EQ(roomyEditor.Insert(radio, 2), -1);  // not next to the radio part
    EXPECT_EQ(roomy->header.TvCount + roomy->header.RadioCount, 4);
}

// New Channel on any list with room, filtered or not: the channel lands at the selected
// channel's place (before it), else right after the last channel shown, else at the end; the
// dialog starts from that neighbour (at the end: the list's last channel, if it has one); and
// Insert puts it into exactly that list position.
TEST(ChannelListEditor, NewChannelLandsAtTheSelectedPlaceOrAfterTheLastShownChannel) {
    std::mt19937 random(7031);
    for (int round = 0; round < 2000; ++round) {
        const bool tv = round % 2 == 0;
        const auto capacity = static_cast<uint16_t>(1 + random() % 40);
        const std::size_t count = random() % capacity;  // this list's channels
        const std::size_t other = random() % (capacity - count);
        auto db = MakeDatabase(tv ? count : other, tv ? other : count, capacity);
        // The rows a filter lets through, and maybe a selection among them; now and then a
        // stale selection past the list.
        std::vector<std::size_t> shown;
        for (std::size_t p = 0; p < count; ++p) {
            if (random() % 3 != 0) shown.push_back(p);
        }
        std::optional<std::size_t> selected;
        if (!shown.empty() && random() % 2 == 0) selected = shown[random() % shown.size()];
        if (random() % 10 == 0) selected = count + random() % 3;
        const std::optional<std::size_t> lastShown =
            shown.empty() ? std::nullopt : std::optional(shown.back());
        SCOPED_TRACE(testing::Message() << "round " << round);

        const ChannelListShape shape = ShapeOf(db->header, tv);
        const NewChannelPlace place = PlaceOfNewChannel(shape, selected, lastShown);
        const std::vector<int> before = Ids(*db, tv);
        const std::vector<int> otherBefore = Ids(*db, !tv);
        ChannelEntry added;
        added.ServiceID = 7777;
        added.RadioFlag = tv ? 0 : 1;
        ASSERT_EQ(ChannelListEditor(*db).Insert(added, place.slot), 0);

        std::vector<int> expected = before;
        std::optional<int> templateId;
        if (selected && *selected < count) {
            // Before the selected channel, which moves one place down.
            expected.insert(expected.begin() + static_cast<long>(*selected), 7777);
            templateId = before[*selected];
        } else if (lastShown) {
            expected.insert(expected.begin() + static_cast<long>(*lastShown) + 1, 7777);
            templateId = before[*lastShown];
        } else {
            expected.push_back(7777);
            if (count > 0) templateId = before[count - 1];
        }
        ASSERT_EQ(Ids(*db, tv), expected);
        ASSERT_EQ(Ids(*db, !tv), otherBefore);
        ASSERT_EQ(expected[place.position], 7777);
        ASSERT_EQ(place.templatePosition.has_value(), templateId.has_value());
        if (templateId) {
            ASSERT_EQ(before[*place.templatePosition], *templateId);
        }
    }
}

TEST(ChannelListEditor, StoreAndMoveWriteTheRowsTheyChange) {
    auto db = MakeDatabase(6, 0);
    ChannelListEditor editor(*db);
    FakeChannelRows rows(true, 6);
    ChannelEntry edited;
    edited.ServiceID = 55;
    editor.Store(rows, 3, edited, 3);
    EXPECT_EQ(Ids(*db, true), (std::vector<int>{0, 1, 2, 55, 4, 5}));
    EXPECT_TRUE(rows.rows[3].rewritten);
    EXPECT_FALSE(rows.rows[2].rewritten);

    FakeChannelRows moved(true, 6);
    editor.Move(moved, 4, 1);
    EXPECT_EQ(Ids(*db, true), (std::vector<int>{0, 4, 1, 2, 55, 5}));
    for (std::size_t r = 0; r < 6; ++r) EXPECT_EQ(moved.rows[r].rewritten, r >= 1 && r <= 4) << r;
    EXPECT_EQ(Numbers(moved), Range(1, 6));  // column 0 keeps its numbers
}

TEST(ChannelListEditor, MoveChannelFollowsTheOrderRulesForRowsMovedUpAndDown) {
    {
        auto db = MakeDatabase(6, 0);
        ChannelListEditor editor(*db);
        FakeChannelRows rows(true, 6);
        const std::vector<std::size_t> collected{4, 5};
        EXPECT_TRUE(editor.MoveChannels(rows, collected, 1));
        EXPECT_EQ(Ids(*db, true), (std::vector<int>{0, 4, 5, 1, 2, 3}));
    }
    {
        auto db = MakeDatabase(6, 0);
        ChannelListEditor editor(*db);
        FakeChannelRows rows(true, 6);
        const std::vector<std::size_t> collected{1, 2};
        EXPECT_TRUE(editor.MoveChannels(rows, collected, 5));
        EXPECT_EQ(Ids(*db, true), (std::vector<int>{0, 3, 4, 5, 1, 2}));
    }
    {
        // Rows from both sides: the last row from above ends up after the rows from below.
        auto db = MakeDatabase(0, 6);
        ChannelListEditor editor(*db);
        FakeChannelRows rows(false, 6);
        const std::vector<std::size_t> collected{1, 4};
        EXPECT_TRUE(editor.MoveChannels(rows, collected, 2));
        EXPECT_EQ(Ids(*db, false), (std::vector<int>{1000, 1002, 1004, 1001, 1003, 1005}));
    }
}

TEST(ChannelListEditor, MoveChannelWithoutAValidTargetMovesNothing) {
    auto db = MakeDatabase(4, 0);
    ChannelListEditor editor(*db);
    FakeChannelRows rows(true, 4);
    const std::vector<std::size_t> collected{0, 1};
    EXPECT_FALSE(editor.MoveChannels(rows, collected, 4));
    EXPECT_FALSE(editor.MoveChannels(rows, collected, static_cast<std::size_t>(-1)));
    // Rows that are no longer in the list are skipped.
    const std::vector<std::size_t> stale{2, 9};
    EXPECT_TRUE(editor.MoveChannels(rows, stale, 0));
    EXPECT_EQ(Ids(*db, true), (std::vector<int>{2, 0, 1, 3}));
    // Moving only the target row onto itself changes nothing.
    FakeChannelRows again(true, 4);
    const std::vector<std::size_t> self{3};
    EXPECT_FALSE(editor.MoveChannels(again, self, 3));
    EXPECT_FALSE(again.rows[3].rewritten);
}

TEST(ChannelListEditor, RebuildFromListPutsTheChannelsInTheRowsOrder) {
    // The last of four radio rows dragged to just after row 0.
    auto db = MakeDatabase(0, 4);
    ChannelListEditor editor(*db);
    FakeChannelRows rows(false, 4);
    rows.rows = {{1, false}, {4, true}, {2, false}, {3, false}};
    const ChannelEntry last = db->channels[1840 - 4];
    EXPECT_TRUE(editor.RebuildFromList(rows));
    EXPECT_EQ(db->channels[1840 - 2], last);
    EXPECT_EQ(Ids(*db, false), (std::vector<int>{1000, 1003, 1001, 1002}));
    EXPECT_EQ(Numbers(rows), Range(1, 4));
    EXPECT_TRUE(rows.rows[1].rewritten);  // a row keeps what it showed

    // Numbers that name no position of the list move nothing.
    rows.rows = {{1, false}, {1, false}, {5, false}, {0, false}};
    EXPECT_FALSE(editor.RebuildFromList(rows));
    EXPECT_EQ(Ids(*db, false), (std::vector<int>{1000, 1003, 1001, 1002}));
    EXPECT_EQ(Numbers(rows), Range(1, 4));
}

TEST(ChannelListEditor, FullTablesAndInconsistentCountsStayInsideTheSlotTable) {
    // Every slot a TV channel: deleting and moving the last row touch no slot past the table.
    auto full = MakeDatabase(kMaxChannelSlots, 0, kMaxChannelSlots);
    ChannelListEditor fullEditor(*full);
    FakeChannelRows tvRows(true, kMaxChannelSlots);
    const std::vector<std::size_t> last{kMaxChannelSlots - 1};
    EXPECT_TRUE(fullEditor.MoveChannels(tvRows, last, 0));
    EXPECT_EQ(fullEditor.DeleteChannels(tvRows, last), 1u);
    EXPECT_EQ(full->header.TvCount, kMaxChannelSlots - 1);

    // Every slot a radio channel: the same at the other end.
    auto radio = MakeDatabase(0, 1840);
    ChannelListEditor radioEditor(*radio);
    FakeChannelRows radioRows(false, 1840);
    const std::vector<std::size_t> lastRadio{1839};
    EXPECT_EQ(radioEditor.DeleteChannels(radioRows, lastRadio), 1u);
    EXPECT_EQ(radio->header.RadioCount, 1839);

    // A smaller flash setting after a load: more radio channels than slots. The list shows
    // only what the capacity holds and the editor never goes below slot 0.
    auto shrunk = MakeDatabase(0, 100, 60);
    EXPECT_EQ(ShapeOf(shrunk->header, false).rows, 60u);
    ChannelListEditor shrunkEditor(*shrunk);
    FakeChannelRows shrunkRows(false, 100);
    const std::vector<std::size_t> rows{59, 99};
    EXPECT_EQ(shrunkEditor.DeleteChannels(shrunkRows, rows), 1u);
    EXPECT_EQ(shrunkEditor.Insert(ChannelEntry{}, 0), -1);
}

TEST(ChannelListEditor, CommandsGiveTheSameResultAsTheirRowByRowRules) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        const bool tv = round % 2 == 0;
        const std::size_t count = 1 + random() % 40;
        auto fast = MakeDatabase(tv ? count : 3, tv ? 2 : count, 100);
        auto slow = MakeDatabase(tv ? count : 3, tv ? 2 : count, 100);
        std::vector<std::size_t> collected;
        for (std::size_t r = 0; r < count; ++r) {
            if (random() % 3 == 0) collected.push_back(r);
        }
        ChannelListEditor fastEditor(*fast);
        ChannelListEditor slowEditor(*slow);
        FakeChannelRows fastRows(tv, count);
        FakeChannelRows slowRows(tv, count);
        SCOPED_TRACE(testing::Message() << "round " << round);

        if (random() % 2 == 0) {
            const std::size_t target = random() % count;
            fastEditor.MoveChannels(fastRows, collected, target);
            MoveRowByRow(slowEditor, slowRows, collected, target);
        } else {
            fastEditor.DeleteChannels(fastRows, collected);
            DeleteRowByRow(*slow, slowRows, collected);
        }
        ASSERT_EQ(Ids(*fast, tv), Ids(*slow, tv));
        ASSERT_EQ(Ids(*fast, !tv), Ids(*slow, !tv));
        ASSERT_EQ(fastRows.rows, slowRows.rows);
    }
}

// The channels a filtered list shows are the channels of a smaller list: any command on them
// gives those channels the order (and the rows the flags) it gives that smaller list, and the
// channels the filter hides keep their places (after a delete, their order).
TEST(ChannelListEditor, CommandsOnAFilteredListActOnTheShownChannelsAlone) {
    std::mt19937 random(31337);
    for (int round = 0; round < 400; ++round) {
        const bool tv = round % 2 == 0;
        const std::size_t count = 2 + random() % 40;
        auto db = MakeDatabase(tv ? count : 3, tv ? 2 : count, 100);
        std::vector<std::size_t> shown;
        for (std::size_t p = 0; p < count; ++p) {
            if (random() % 3 != 0) shown.push_back(p);
        }
        if (shown.empty()) shown.push_back(random() % count);
        const std::vector<int> before = Ids(*db, tv);

        // The smaller list: just the shown channels, unfiltered.
        auto alone = MakeDatabase(0, 0, 100);
        for (std::size_t p : shown) {
            ChannelEntry& c =
                tv ? alone->Tv(alone->header.TvCount++) : alone->Radio(alone->header.RadioCount++);
            c = db->channels[ShapeOf(db->header, tv).Slot(p)];
        }
        ChannelListEditor editor(*db);
        ChannelListEditor aloneEditor(*alone);
        FakeChannelRows rows(tv, shown);
        FakeChannelRows aloneRows(tv, shown.size());
        std::vector<std::size_t> collected;
        for (std::size_t r = 0; r < shown.size(); ++r) {
            if (random() % 3 == 0) collected.push_back(r);
        }
        SCOPED_TRACE(testing::Message() << "round " << round);

        const unsigned command = random() % 3;
        if (command == 0) {
            const std::size_t target = random() % shown.size();
            EXPECT_EQ(editor.MoveChannels(rows, collected, target),
                      aloneEditor.MoveChannels(aloneRows, collected, target));
        } else if (command == 1) {
            std::vector<int> dragged(collected.begin(), collected.end());
            const int dropTarget = static_cast<int>(random() % (shown.size() + 1)) - 1;
            const DropResult drop = DropRows(shown.size(), dragged, dropTarget);
            const std::vector<FakeRow> old = rows.rows;
            const std::vector<FakeRow> aloneOld = aloneRows.rows;
            for (std::size_t r = 0; r < shown.size(); ++r) {
                rows.rows[r] = old[drop.order[r]];
                aloneRows.rows[r] = aloneOld[drop.order[r]];
            }
            EXPECT_EQ(editor.RebuildFromList(rows), aloneEditor.RebuildFromList(aloneRows));
        } else {
            EXPECT_EQ(editor.DeleteChannels(rows, collected),
                      aloneEditor.DeleteChannels(aloneRows, collected));
        }

        const std::vector<int> after = Ids(*db, tv);
        const std::vector<int> aloneAfter = Ids(*alone, tv);
        ASSERT_EQ(rows.rows.size(), aloneRows.rows.size());
        for (std::size_t r = 0; r < rows.rows.size(); ++r) {
            // Each row names the position of the channel the smaller list shows in that row.
            const int number = rows.rows[r].number;
            ASSERT_GE(number, 1);
            ASSERT_LE(static_cast<std::size_t>(number), after.size());
            EXPECT_EQ(after[static_cast<std::size_t>(number - 1)], aloneAfter[r]);
            EXPECT_EQ(rows.rows[r].rewritten, aloneRows.rows[r].rewritten);
        }
        // The hidden channels: in place after a move or drag, in order after a delete.
        std::vector<int> hiddenBefore;
        std::vector<int> hiddenAfter;
        for (std::size_t p = 0, s = 0; p < count; ++p) {
            if (s < shown.size() && shown[s] == p) {
                ++s;
            } else {
                hiddenBefore.push_back(before[p]);
                if (command != 2) {
                    EXPECT_EQ(after[p], before[p]);
                }
            }
        }
        for (int id : after) {
            if (std::find(hiddenBefore.begin(), hiddenBefore.end(), id) != hiddenBefore.end()) {
                hiddenAfter.push_back(id);
            }
        }
        EXPECT_EQ(hiddenAfter, hiddenBefore);
        EXPECT_EQ(after.size(), hiddenBefore.size() + aloneAfter.size());
        EXPECT_EQ(Ids(*db, !tv).size(), tv ? 2u : 3u);
    }
}

}  // namespace
}  // namespace zev
