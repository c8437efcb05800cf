// The undo history: any sequence of the editors' changes, undone, gives back every earlier
// database byte for byte (the packed images and every table byte, stale slots included), and
// redone gives back every later one; the limits forget the oldest steps; the state names tell
// a saved state when undo and redo reach it again.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <span>
#include <vector>

#include "EditingTestSupport.h"
#include "FakeChannelRows.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "editing/ChannelListEditor.h"
#include "editing/DatabaseHistory.h"
#include "editing/ReferenceRenumbering.h"
#include "formats/ParameterImage.h"

namespace zev {
namespace {

using test::FakeChannelRows;

// Everything a pack or an unpack reads or writes, as bytes, and the packed images.
struct Snapshot {
    std::vector<uint8_t> tables;
    std::vector<uint8_t> image;
    bool operator==(const Snapshot&) const = default;
};

template <typename T>
void Append(std::vector<uint8_t>& out, const T& object) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&object);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

Snapshot Take(const ChannelDatabase& db) {
    Snapshot s;
    Append(s.tables, db.header);
    Append(s.tables, db.satellites);
    Append(s.tables, db.transponders);
    Append(s.tables, db.channels);
    Append(s.tables, db.Loaded);
    s.image.resize(kOutputImageSize);
    EXPECT_TRUE(PackImage(db, ImageKind::All, s.image).ok);
    s.image.resize(ImageSize(db.header, ImageKind::All));
    return s;
}

std::unique_ptr<ChannelDatabase> MakeFilledDatabase(std::mt19937& random) {
    auto db = testing::MakeDatabase();
    for (int s = 0; s < 6; ++s) testing::AddSatellite(*db, "SAT" + std::to_string(s + 1));
    for (int t = 0; t < 40; ++t) {
        testing::AddTransponder(*db, static_cast<uint8_t>(1 + t % 6),
                                static_cast<uint16_t>(10700 + t * 7));
    }
    for (int c = 0; c < 300; ++c) {
        testing::AddTv(*db, static_cast<uint16_t>(1 + random() % 40), "TV" + std::to_string(c));
        db->Tv(static_cast<std::size_t>(c)).ServiceID = static_cast<uint16_t>(c);
    }
    for (int c = 0; c < 60; ++c) {
        testing::AddRadio(*db, static_cast<uint16_t>(1 + random() % 40), "R" + std::to_string(c));
    }
    return db;
}

std::vector<int> Shuffled(std::size_t count, std::mt19937& random) {
    std::vector<int> numbers(count);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);
    return numbers;
}

std::size_t Pick(std::size_t count, std::mt19937& random) {
    return count == 0 ? 0 : random() % count;
}

// One change as one of the editors makes it; returns its name.
std::string RandomEdit(ChannelDatabase& db, std::mt19937& random, const Snapshot& otherImage) {
    ChannelListEditor editor(db);
    DatabaseHeader& h = db.header;
    const bool tv = random() % 3 != 0;
    FakeChannelRows rows(tv, tv ? h.TvCount : h.RadioCount);
    switch (random() % 12) {
        case 0: {
            ChannelEntry record;
            testing::SetName(record.Name, "New" + std::to_string(random() % 100));
            record.RadioFlag = tv ? 0 : 1;
            record.TpNumber = static_cast<uint16_t>(1 + Pick(h.TpCount, random));
            const std::size_t row = Pick(rows.RowCount() + 1, random);
            editor.Insert(record, tv ? row : h.ChannelCapacity - 1 - row);
            return "New Channel";
        }
        case 1: {
            std::vector<std::size_t> doomed;
            for (int k = 0; k < 1 + static_cast<int>(random() % 4); ++k) {
                doomed.push_back(Pick(rows.RowCount(), random));
            }
            std::sort(doomed.begin(), doomed.end());
            editor.DeleteChannels(rows, doomed);
            return "Delete Channels";
        }
        case 2: {
            const std::vector<std::size_t> collected{Pick(rows.RowCount(), random)};
            editor.MoveChannels(rows, collected, Pick(rows.RowCount(), random));
            return "Move Channel";
        }
        case 3: {
            const std::vector<int> numbers = Shuffled(rows.RowCount(), random);
            for (std::size_t r = 0; r < rows.RowCount(); ++r) rows.rows[r].number = numbers[r];
            editor.RebuildFromList(rows);
            return "Drag Channels";
        }
        case 4: {
            if (rows.RowCount() == 0) return "Nothing";
            ChannelEntry& c = db.channels[ShapeOf(h, tv).Slot(Pick(rows.RowCount(), random))];
            c.VPID = static_cast<uint16_t>(random());
            c.TpFlagB = static_cast<uint8_t>(random() % 2);
            return "Edit Channel";
        }
        case 5: {
            if (h.TpCount >= h.TpCapacity || h.SatCount == 0) return "Nothing";
            TransponderEntry tp;
            tp.Sat = static_cast<uint8_t>(1 + Pick(h.SatCount, random));
            tp.Frequency = static_cast<uint16_t>(random() % 13000);
            db.InsertTransponder(Pick(h.TpCount + 1u, random), tp);
            return "New Transponder";
        }
        case 6: {
            if (h.TpCount == 0) return "Nothing";
            const std::size_t p = Pick(h.TpCount, random);
            db.DeleteChannelsOfTransponder(static_cast<uint16_t>(p + 1));
            db.DeleteTransponder(p);
            return "Delete Transponder";
        }
        case 7: {
            if (h.SatCount >= h.SatCapacity) return "Nothing";
            SatelliteEntry sat;
            testing::SetName(sat.Name, "NEW");
            db.InsertSatellite(Pick(h.SatCount + 1u, random), sat);
            return "New Satellite";
        }
        case 8: {
            if (h.SatCount == 0) return "Nothing";
            const std::size_t p = Pick(h.SatCount, random);
            db.DeleteTranspondersOfSatellite(static_cast<uint8_t>(p + 1));
            db.DeleteSatellite(p);
            return "Delete Satellite";
        }
        case 9:
            RebuildTransponderTable(db, Shuffled(h.TpCount, random));
            return "Drag Transponders";
        case 10:
            RebuildSatelliteTable(db, Shuffled(h.SatCount, random));
            return "Drag Satellites";
        default:
            EXPECT_TRUE(UnpackImageOfKind(db, otherImage.image, ImageKind::All).ok);
            return "Open other.all";
    }
}

TEST(DatabaseHistory, UndoingEveryChangeGivesBackEachEarlierDatabaseAndRedoEachLaterOne) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        auto other = MakeFilledDatabase(random);
        other->Loaded = true;
        const Snapshot otherImage = Take(*other);
        auto db = MakeFilledDatabase(random);
        DatabaseHistory history(*db);

        std::vector<Snapshot> states{Take(*db)};
        std::vector<std::string> names;
        for (int edit = 0; edit < 60; ++edit) {
            const std::string name = RandomEdit(*db, random, otherImage);
            const Snapshot now = Take(*db);
            ASSERT_EQ(history.Record(name), now != states.back()) << name;
            if (now == states.back()) continue;
            states.push_back(now);
            names.push_back(name);
            ASSERT_EQ(history.UndoName(), name);
        }
        ASSERT_EQ(history.UndoCount(), names.size());

        for (std::size_t step = names.size(); step > 0; --step) {
            ASSERT_EQ(history.UndoName(), names[step - 1]);
            ASSERT_TRUE(history.Undo());
            ASSERT_EQ(Take(*db), states[step - 1]) << "seed " << seed << " undo to " << step - 1;
        }
        EXPECT_FALSE(history.Undo());
        EXPECT_EQ(history.State(), 0u);
        for (std::size_t step = 1; step <= names.size(); ++step) {
            ASSERT_EQ(history.RedoName(), names[step - 1]);
            ASSERT_TRUE(history.Redo());
            ASSERT_EQ(Take(*db), states[step]) << "seed " << seed << " redo to " << step;
        }
        EXPECT_FALSE(history.Redo());
        // Nothing is left over to record: the copy follows undo and redo exactly.
        EXPECT_FALSE(history.Record("Nothing"));
    }
}

TEST(DatabaseHistory, UndoRedoAndNewChangesInAnyOrderFollowTheStatesTheyName) {
    std::mt19937 random(77);
    auto other = MakeFilledDatabase(random);
    const Snapshot otherImage = Take(*other);
    auto db = MakeFilledDatabase(random);
    DatabaseHistory history(*db);

    // The expected history beside the real one: states with their names, and a cursor.
    std::vector<Snapshot> states{Take(*db)};
    std::vector<uint64_t> names{history.State()};
    std::size_t at = 0;
    for (int action = 0; action < 400; ++action) {
        const unsigned roll = random() % 4;
        if (roll == 0) {
            ASSERT_EQ(history.Undo(), at > 0);
            if (at > 0) --at;
        } else if (roll == 1) {
            ASSERT_EQ(history.Redo(), at + 1 < states.size());
            if (at + 1 < states.size()) ++at;
        } else {
            RandomEdit(*db, random, otherImage);
            if (!history.Record("Edit")) continue;
            states.resize(at + 1);
            names.resize(at + 1);
            states.push_back(Take(*db));
            names.push_back(history.State());
            ++at;
            // A new change is a new state, never one that was undone and dropped.
            ASSERT_EQ(std::count(names.begin(), names.end(), history.State()), 1);
        }
        ASSERT_EQ(Take(*db), states[at]) << "action " << action;
        ASSERT_EQ(history.State(), names[at]);
        ASSERT_EQ(history.CanRedo(), at + 1 < states.size());
    }
}

TEST(DatabaseHistory, TheOldestStepsAreForgottenBeyondTheStepAndByteLimits) {
    auto db = testing::MakeDatabase();
    DatabaseHistory::Limits limits;
    limits.steps = 3;
    DatabaseHistory history(*db, limits);
    std::vector<Snapshot> states{Take(*db)};
    for (int s = 0; s < 5; ++s) {
        testing::AddSatellite(*db, "S" + std::to_string(s));
        ASSERT_TRUE(history.Record("New Satellite"));
        states.push_back(Take(*db));
    }
    EXPECT_EQ(history.UndoCount(), 3u);
    while (history.Undo()) {
    }
    EXPECT_EQ(Take(*db), states[2]);
    EXPECT_NE(history.State(), 0u);  // the forgotten steps' state is not the first one

    // A byte limit smaller than any step keeps just the newest step.
    limits = {};
    limits.bytes = 1;
    DatabaseHistory tight(*db, limits);
    for (int s = 0; s < 3; ++s) {
        testing::AddSatellite(*db, "T" + std::to_string(s));
        ASSERT_TRUE(tight.Record("New Satellite"));
    }
    EXPECT_EQ(tight.UndoCount(), 1u);
    EXPECT_GT(tight.StepBytes(), 0u);
}

// A change taken as it is (another flash layout, the default counts a send writes) stays in
// the states on either side, except before a step that changed the same bytes itself; undone
// and redone, the state it was taken in comes back byte for byte. It once came back with the
// bytes of a step recorded before it.
TEST(DatabaseHistory, ARebasedChangeIsNoStepAndStaysThroughUndoAndRedo) {
    auto db = testing::MakeDatabase();
    testing::AddSatellite(*db, "S");
    testing::AddTransponder(*db, 1);
    testing::AddTv(*db, 1, "One");
    testing::AddTv(*db, 1, "Two");
    DatabaseHistory history(*db);
    const uint16_t capacity = db->header.ChannelCapacity;

    // An opened image brings a layout of its own.
    UpdateFlashLayout(db->header, 3, 4);
    ASSERT_TRUE(history.Record("Open big.stc"));
    FakeChannelRows rows(true, 2);
    const std::vector<std::size_t> first{0};
    ChannelListEditor(*db).DeleteChannels(rows, first);
    ASSERT_TRUE(history.Record("Delete 1 Channel"));
    db->Tv(0).Name[0] = 'X';
    ASSERT_TRUE(history.Record("Edit Channel"));
    ASSERT_TRUE(history.Undo());  // a step on each side of the state the change is taken in

    // Another flash setting: not an edit.
    UpdateFlashLayout(db->header, 2, 1);
    const Snapshot rebased = Take(*db);
    const DatabaseHeader layout = db->header;
    history.Rebase();
    EXPECT_FALSE(history.Record("Nothing"));

    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(db->Tv(0).Name[0], 'X');
    EXPECT_EQ(db->header.ChannelCapacity, layout.ChannelCapacity);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Take(*db), rebased);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(db->header.TvCount, 2);
    EXPECT_EQ(db->header.ChannelCapacity, layout.ChannelCapacity);
    EXPECT_EQ(db->header.UserBlockSize, layout.UserBlockSize);
    ASSERT_TRUE(history.Undo());  // the Open set the capacity itself: before it, the old one
    EXPECT_EQ(db->header.ChannelCapacity, capacity);
    ASSERT_TRUE(history.Redo());
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(Take(*db), rebased);
    EXPECT_FALSE(history.Record("Nothing"));
}

}  // namespace
}  // namespace zev
