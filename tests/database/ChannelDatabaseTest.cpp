#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"

namespace zev {
namespace {

std::unique_ptr<ChannelDatabase> MakeDatabase() {
    auto db = std::make_unique<ChannelDatabase>();
    UpdateFlashLayout(db->header, 2, 1);  // ChannelCapacity 1840
    return db;
}

void SetSatellites(ChannelDatabase& db, const std::vector<uint8_t>& ids) {
    db.header.SatCount = static_cast<uint8_t>(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) db.satellites[i].Lnblow = ids[i];
}

void SetTransponderSats(ChannelDatabase& db, const std::vector<uint8_t>& sats) {
    db.header.TpCount = static_cast<uint16_t>(sats.size());
    for (std::size_t i = 0; i < sats.size(); ++i) {
        db.transponders[i].Sat = sats[i];
        db.transponders[i].Frequency = static_cast<uint16_t>(10000 + i);  // identifies it
    }
}

void SetChannels(ChannelDatabase& db, const std::vector<uint16_t>& tv,
                 const std::vector<uint16_t>& radio) {
    db.header.TvCount = static_cast<uint16_t>(tv.size());
    db.header.RadioCount = static_cast<uint16_t>(radio.size());
    for (std::size_t i = 0; i < tv.size(); ++i) {
        db.Tv(i).TpNumber = tv[i];
        db.Tv(i).ServiceID = static_cast<uint16_t>(100 + i);
    }
    for (std::size_t i = 0; i < radio.size(); ++i) {
        db.Radio(i).TpNumber = radio[i];
        db.Radio(i).ServiceID = static_cast<uint16_t>(200 + i);
    }
}

std::vector<uint16_t> TvTransponders(const ChannelDatabase& db) {
    std::vector<uint16_t> out;
    for (std::size_t i = 0; i < db.header.TvCount; ++i) out.push_back(db.Tv(i).TpNumber);
    return out;
}

std::vector<uint16_t> RadioTransponders(const ChannelDatabase& db) {
    std::vector<uint16_t> out;
    for (std::size_t i = 0; i < db.header.RadioCount; ++i) out.push_back(db.Radio(i).TpNumber);
    return out;
}

std::vector<uint8_t> TransponderSats(const ChannelDatabase& db) {
    std::vector<uint8_t> out;
    for (std::size_t i = 0; i < db.header.TpCount; ++i) out.push_back(db.transponders[i].Sat);
    return out;
}

TEST(ChannelSlots, RadioFillsTheTableFromItsEnd) {
    auto db = MakeDatabase();
    SetChannels(*db, {1, 2}, {3, 4, 5});
    EXPECT_EQ(db->RadioSlot(0), 1839u);
    EXPECT_EQ(db->channels[1838].TpNumber, 4);
    EXPECT_EQ(db->channels[1837].TpNumber, 5);
    EXPECT_EQ(db->channels[1].TpNumber, 2);
}

TEST(SatelliteEdits, InsertRenumbersLaterSatellitesOnly) {
    auto db = MakeDatabase();
    SatelliteEntry added;
    added.Lnblow = 77;
    db->InsertSatellite(0, added);
    EXPECT_EQ(db->header.SatCount, 1);
    EXPECT_EQ(db->header.TpCount, 0);
    EXPECT_EQ(db->satellites[0].Lnblow, 77);

    SetSatellites(*db, {1, 2, 3});
    SetTransponderSats(*db, {1, 2, 3, 2});
    db->InsertSatellite(1, added);
    EXPECT_EQ(db->header.SatCount, 4);
    EXPECT_EQ(TransponderSats(*db), (std::vector<uint8_t>{1, 3, 4, 3}));
    EXPECT_EQ(db->satellites[0].Lnblow, 1);
    EXPECT_EQ(db->satellites[1].Lnblow, 77);
    EXPECT_EQ(db->satellites[2].Lnblow, 2);
    EXPECT_EQ(db->satellites[3].Lnblow, 3);
}

TEST(SatelliteEdits, DeleteRenumbersLaterSatellites) {
    auto db = MakeDatabase();
    SetSatellites(*db, {1, 2, 3, 4});
    SetTransponderSats(*db, {1, 3, 4, 1});
    db->DeleteSatellite(1);
    EXPECT_EQ(db->header.SatCount, 3);
    EXPECT_EQ(TransponderSats(*db), (std::vector<uint8_t>{1, 2, 3, 1}));
    EXPECT_EQ(db->satellites[1].Lnblow, 3);
    EXPECT_EQ(db->satellites[2].Lnblow, 4);
}

TEST(SatelliteEdits, OutOfTablePositionsChangeNothing) {
    auto db = MakeDatabase();
    SetSatellites(*db, std::vector<uint8_t>(255, 1));
    db->InsertSatellite(3, SatelliteEntry{});  // the 8-bit count cannot go beyond 255
    EXPECT_EQ(db->header.SatCount, 255);
    db->DeleteSatellite(255);
    EXPECT_EQ(db->header.SatCount, 255);
}

TEST(TransponderEdits, InsertRenumbersTvAndRadioChannels) {
    auto db = MakeDatabase();
    SetTransponderSats(*db, {1, 1});
    SetChannels(*db, {1, 2}, {2, 1});
    TransponderEntry added;
    added.Frequency = 12345;
    db->InsertTransponder(0, added);
    EXPECT_EQ(db->header.TpCount, 3);
    EXPECT_EQ(db->transponders[0].Frequency, 12345);
    EXPECT_EQ(db->transponders[1].Frequency, 10000);
    EXPECT_EQ(TvTransponders(*db), (std::vector<uint16_t>{2, 3}));
    EXPECT_EQ(RadioTransponders(*db), (std::vector<uint16_t>{3, 2}));

    db->InsertTransponder(2, added);  // before the old second transponder only
    EXPECT_EQ(TvTransponders(*db), (std::vector<uint16_t>{2, 4}));
    EXPECT_EQ(RadioTransponders(*db), (std::vector<uint16_t>{4, 2}));
}

TEST(TransponderEdits, DeleteRenumbersLaterChannels) {
    auto db = MakeDatabase();
    SetTransponderSats(*db, {1, 1, 1});
    SetChannels(*db, {1, 3}, {3});
    db->DeleteTransponder(1);
    EXPECT_EQ(db->header.TpCount, 2);
    EXPECT_EQ(db->transponders[1].Frequency, 10002);
    EXPECT_EQ(TvTransponders(*db), (std::vector<uint16_t>{1, 2}));
    EXPECT_EQ(RadioTransponders(*db), (std::vector<uint16_t>{2}));
}

TEST(ChannelsOfTransponder, DeleteKeepsOrderAndClosesGaps) {
    auto db = MakeDatabase();
    SetTransponderSats(*db, {1, 1, 1});
    SetChannels(*db, {1, 2, 3, 2}, {2, 1});
    db->DeleteChannelsOfTransponder(2);
    EXPECT_EQ(TvTransponders(*db), (std::vector<uint16_t>{1, 3}));
    EXPECT_EQ(db->Tv(0).ServiceID, 100);
    EXPECT_EQ(db->Tv(1).ServiceID, 102);
    ASSERT_EQ(db->header.RadioCount, 1);
    EXPECT_EQ(db->channels[1839].TpNumber, 1);
    EXPECT_EQ(db->channels[1839].ServiceID, 201);
    EXPECT_EQ(db->header.TpCount, 3);
}

TEST(TranspondersOfSatellite, DeleteDropsTheirChannelsAndRenumbersTheRest) {
    auto db = MakeDatabase();
    SetSatellites(*db, {1, 2});
    SetTransponderSats(*db, {1, 2, 1, 2});
    SetChannels(*db, {2, 1, 4, 3}, {3, 4, 2});
    db->DeleteTranspondersOfSatellite(1);
    EXPECT_EQ(db->header.TpCount, 2);
    EXPECT_EQ(TransponderSats(*db), (std::vector<uint8_t>{2, 2}));
    EXPECT_EQ(db->transponders[0].Frequency, 10001);
    EXPECT_EQ(db->transponders[1].Frequency, 10003);
    EXPECT_EQ(TvTransponders(*db), (std::vector<uint16_t>{1, 2}));
    EXPECT_EQ(db->Tv(0).ServiceID, 100);
    EXPECT_EQ(db->Tv(1).ServiceID, 102);
    EXPECT_EQ(RadioTransponders(*db), (std::vector<uint16_t>{2, 1}));
    EXPECT_EQ(db->Radio(0).ServiceID, 201);
    EXPECT_EQ(db->header.SatCount, 2);
}

TEST(TranspondersOfSatellite, KeptTranspondersMoveUpWithTheirChannels) {
    auto db = MakeDatabase();
    SetTransponderSats(*db, {5, 5, 6, 6});
    SetChannels(*db, {3, 4}, {});
    db->DeleteTranspondersOfSatellite(5);
    EXPECT_EQ(TvTransponders(*db), (std::vector<uint16_t>{1, 2}));
}

TEST(FlashLayout, RowsOfTheTable) {
    DatabaseHeader h;
    UpdateFlashLayout(h, 3, 4);
    EXPECT_EQ(h.SatCapacity, 160);
    EXPECT_EQ(h.TpCapacity, 4000);
    EXPECT_EQ(h.ChannelCapacity, 8000);
    EXPECT_EQ(h.DefaultChannelCapacity, 1600);
    EXPECT_EQ(h.DefaultBlockAddress, 0x100000u);
    EXPECT_EQ(h.UserBlockAddress, 0x110000u);
    EXPECT_EQ(h.UserBlockSize, 0x40000u);

    UpdateFlashLayout(h, 2, 1);
    EXPECT_EQ(h.DefaultChannelCapacity, 18400);
    EXPECT_EQ(h.ChannelCapacity, 1840);
    EXPECT_EQ(h.UserBlockAddress, 0xF0000u);

    for (int user : {2, 3, 4, 9}) {
        DatabaseHeader eight;
        UpdateFlashLayout(eight, 2, user);
        EXPECT_EQ(eight.ChannelCapacity, 4000) << user;
        EXPECT_EQ(eight.UserBlockSize, 0x20000u) << user;
        EXPECT_EQ(eight.UserBlockAddress, eight.DefaultBlockAddress + 0x10000) << user;
    }
}

TEST(FlashLayout, FourMegabitsAndUnknownIndicesChangeNothing) {
    DatabaseHeader start;
    start.SatCount = 7;
    start.TvCount = 9000;
    DatabaseHeader h = start;
    UpdateFlashLayout(h, 1, 2);
    EXPECT_EQ(h, start);
    UpdateFlashLayout(h, 3, 5);
    EXPECT_EQ(h, start);
    UpdateFlashLayout(h, 0, 1);
    EXPECT_EQ(h, start);

    UpdateFlashLayout(h, 2, 2);  // counts stay even where they now exceed the capacities
    EXPECT_EQ(h.TvCount, 9000);
    EXPECT_EQ(h.SatCount, 7);
}

}  // namespace
}  // namespace zev
