#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SampleDatabase.h"
#include "editing/DatabaseDiff.h"
#include "editing/DiffText.h"
#include "formats/ParameterImage.h"

namespace zev {
namespace {

using testing::Channel;
using testing::SampleDatabase;
using testing::SetName;
using testing::Transponder;

// The database cannot be copied (there is one per program); tests need a second one.
std::unique_ptr<ChannelDatabase> Copy(const ChannelDatabase& db) {
    auto copy = std::make_unique<ChannelDatabase>();
    copy->header = db.header;
    copy->satellites = db.satellites;
    copy->transponders = db.transponders;
    copy->channels = db.channels;
    return copy;
}

// Moves TV row `from` to row `to`, the rows between shifting by one, as a drag does.
void MoveTv(ChannelDatabase& db, std::size_t from, std::size_t to) {
    const ChannelEntry moving = db.Tv(from);
    if (from < to) {
        for (std::size_t r = from; r < to; ++r) db.Tv(r) = db.Tv(r + 1);
    } else {
        for (std::size_t r = from; r > to; --r) db.Tv(r) = db.Tv(r - 1);
    }
    db.Tv(to) = moving;
}

std::string Text(const ChannelDatabase& a, const ChannelDatabase& b) {
    return DiffText(DiffDatabases(a, b));
}

TEST(DatabaseDiff, IdenticalDatabasesAreEqual) {
    const auto a = SampleDatabase();
    const auto b = Copy(*a);
    b->channels[3000].VPID = 77;  // a slot beyond the counts holds nothing
    const DatabaseDiff diff = DiffDatabases(*a, *b);
    EXPECT_TRUE(diff.Equal());
    EXPECT_EQ(DiffText(diff), "");
}

TEST(DatabaseDiff, MovedChannelIsOneMoveNotRemovedAndAdded) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    MoveTv(*b, 0, 3);
    const DatabaseDiff diff = DiffDatabases(*a, *b);
    EXPECT_TRUE(diff.header.empty());
    ASSERT_EQ(diff.records.size(), 1u) << DiffText(diff);
    const RecordDiff& moved = diff.records[0];
    EXPECT_EQ(moved.kind, RecordKind::TvChannel);
    EXPECT_EQ(moved.change, DiffChange::Kept);
    EXPECT_TRUE(moved.moved);
    EXPECT_EQ(moved.before, 0u);
    EXPECT_EQ(moved.after, 3u);
    EXPECT_TRUE(moved.fields.empty());
    EXPECT_EQ(DiffText(diff), "TV channel 4 \"Das Erste\" (was 1): moved\n");

    auto swapped = Copy(*a);
    std::swap(swapped->Tv(1), swapped->Tv(2));
    EXPECT_EQ(Text(*a, *swapped), "TV channel 3 \"ZDF\" (was 2): moved\n");  // one of the two
}

TEST(DatabaseDiff, RenumberedTransponderLeavesItsChannelsAlone) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    b->InsertTransponder(0, Transponder(2, 12000, 0));  // every TpNumber goes up by one
    EXPECT_EQ(Text(*a, *b),
              "Header: TpCount 4 -> 5\n"
              "Transponder 1 (12000 H): added\n");

    // Satellites renumbered the same way: the transponders keep their satellite.
    auto c = Copy(*a);
    SatelliteEntry extra;
    SetName(extra.Name, "NEW");
    c->InsertSatellite(0, extra);
    EXPECT_EQ(Text(*a, *c),
              "Header: SatCount 2 -> 3\n"
              "Satellite 1 \"NEW\": added\n");
}

TEST(DatabaseDiff, ChangedFieldsShowOldAndNewValues) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    b->Tv(1).APID = 999;
    SetName(b->Tv(1).Name, "ZDF HD");
    b->Radio(0).TpNumber = 4;  // another transponder: named by what it is
    b->transponders[3].Sat = 1;
    b->satellites[1].Lnbhigh = 10700;
    EXPECT_EQ(Text(*a, *b),
              "Satellite 2 \"HOTBIRD\": Lnbhigh 10600 -> 10700\n"
              "Transponder 4 (11034 V): Satellite 2 \"HOTBIRD\" -> 1 \"ASTRA\"\n"
              "TV channel 2 \"ZDF HD\": Name \"ZDF\" -> \"ZDF HD\"; APID 202 -> 999\n"
              "Radio channel 1 \"Radio 1\": Transponder 3 (10971 H) -> 4 (11034 V)\n");
}

TEST(DatabaseDiff, AddedAndRemovedChannelsDoNotMoveTheOthers) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    for (std::size_t r = 1; r < 5; ++r) b->Tv(r) = b->Tv(r + 1);  // TV 2 deleted
    b->Tv(5) = Channel("NEU", 2, 50, false);                      // one appended
    b->Radio(2) = Channel("Radio 3", 1, 51, true);
    b->header.RadioCount = 3;
    const DatabaseDiff diff = DiffDatabases(*a, *b);
    EXPECT_EQ(DiffText(diff),
              "Header: RadioCount 2 -> 3\n"
              "TV channel 2 \"ZDF\": removed\n"
              "TV channel 6 \"NEU\": added\n"
              "Radio channel 3 \"Radio 3\": added\n");
    ASSERT_EQ(diff.records.size(), 3u);
    EXPECT_EQ(diff.records[0].before, 1u);
    EXPECT_FALSE(diff.records[0].after);
    EXPECT_EQ(diff.records[1].after, 5u);
    EXPECT_FALSE(diff.records[1].before);
}

TEST(DatabaseDiff, EditedRecordsAreMatchedEvenWhenTheirKeysChanged) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    SetName(b->satellites[0].Name, "ASTRA 19.2E");  // same place: the same satellite renamed
    b->transponders[1].Polarization = 1;            // same satellite and frequency
    b->Tv(2).ServiceID = 33;                        // same transponder and name
    EXPECT_EQ(Text(*a, *b),
              "Satellite 1 \"ASTRA 19.2E\": Name \"ASTRA\" -> \"ASTRA 19.2E\"\n"
              "Transponder 2 (12188 V): Polarization 0 -> 1\n"
              "TV channel 3 \"RTL\": ServiceID 3 -> 33\n");
}

TEST(DatabaseDiff, HiddenNameBytesCount) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    b->Tv(0).Name[11] = 'x';  // after the NUL that ends "Das Erste"
    EXPECT_EQ(Text(*a, *b),
              "TV channel 1 \"Das Erste\": Name \"Das Erste\" -> \"Das Erste\\x00\\x00x\"\n");
}

TEST(DatabaseDiff, HeaderCountsAndCapacitiesAreCompared) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    b->header.TpCapacity = 1500;
    b->header.UserBlockSize = 0x10000;
    const DatabaseDiff diff = DiffDatabases(*a, *b);
    ASSERT_EQ(diff.header.size(), 2u);
    EXPECT_EQ(DiffText(diff),
              "Header: TpCapacity 2000 -> 1500\n"
              "Header: UserBlockSize 0x20000 -> 0x10000\n");
}

TEST(DatabaseDiff, DifferentImageKindsOfOneDatabaseAreEqualApartFromMagic) {
    const auto db = SampleDatabase();
    db->header.Magic = 0x1234;
    std::vector<uint8_t> all(kOutputImageSize);
    ASSERT_TRUE(PackImage(*db, ImageKind::All, all).ok);
    std::vector<uint8_t> def(kOutputImageSize);
    ASSERT_TRUE(PackImage(*db, ImageKind::Default, def).ok);

    auto fromAll = std::make_unique<ChannelDatabase>();
    auto fromDef = std::make_unique<ChannelDatabase>();
    ASSERT_TRUE(UnpackImageOfKind(*fromAll, all, ImageKind::All).ok);
    ASSERT_TRUE(UnpackImageOfKind(*fromDef, def, ImageKind::Default).ok);
    EXPECT_TRUE(DiffDatabases(*db, *fromAll).Equal()) << Text(*db, *fromAll);
    EXPECT_EQ(Text(*db, *fromDef), "Header: Magic 0x1234 -> 0x4567\n");
    DiffOptions options;
    options.compareMagic = false;
    EXPECT_TRUE(DiffDatabases(*db, *fromDef, options).Equal());
}

TEST(DatabaseDiff, ReorderedListShowsTheFewestMoves) {
    const auto a = SampleDatabase();
    auto b = Copy(*a);
    MoveTv(*b, 5, 0);  // last to first
    MoveTv(*b, 3, 4);
    const DatabaseDiff diff = DiffDatabases(*a, *b);
    std::size_t moves = 0;
    for (const RecordDiff& r : diff.records) moves += r.moved ? 1 : 0;
    EXPECT_EQ(moves, 2u) << DiffText(diff);
}

}  // namespace
}  // namespace zev
