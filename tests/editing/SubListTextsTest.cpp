#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "editing/RecordLinks.h"
#include "editing/SubListTexts.h"

namespace zev {
namespace {

using testing::Line;

TEST(SubListTitles, NameTheRecordAndCount) {
    auto db = testing::MakeDatabase();
    testing::AddSatellite(*db, "SAT1");
    for (int i = 0; i < 3; ++i) testing::AddTransponder(*db, 1);
    TransponderEntry& tp = db->transponders[2];
    tp.Frequency = 11778;
    tp.Polarization = 1;
    tp.Symbol = 27500;
    EXPECT_EQ(SatelliteTranspondersTitle(*db, 0, 3), "Satellite: SAT1  Total TP: 3");
    EXPECT_EQ(TransponderChannelsTitle(*db, 2, 12), "Transponder 3: 11778 V 27500  Total CH: 12");
    tp.Polarization = 0;
    EXPECT_EQ(TransponderChannelsTitle(*db, 2, 12), "Transponder 3: 11778 H 27500  Total CH: 12");
    EXPECT_EQ(tp.Polarization, 0);
}

TEST(SatelliteTransponders, AreListedByTheirNumbersInTheWholeTable) {
    auto db = testing::MakeDatabase();
    testing::AddSatellite(*db, "A");
    testing::AddSatellite(*db, "B");
    for (uint8_t sat : {1, 2, 1, 2}) testing::AddTransponder(*db, sat);
    db->transponders[3].Frequency = 12345;
    db->transponders[3].Polarization = 1;
    db->transponders[3].Symbol = 22000;
    EXPECT_EQ(TranspondersOfSatellite(*db, 1), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(SatelliteTransponderLine(*db, 1).substr(0, 2), "2 ");
    EXPECT_EQ(SatelliteTransponderLine(*db, 3),
              Line(80, {{0, "4 "}, {6, "12345"}, {17, "V"}, {24, "22000"}}));
}

TEST(TransponderChannels, ListTvBeforeRadioEachInListOrder) {
    auto db = testing::MakeDatabase();
    testing::AddSatellite(*db, "A");
    testing::AddTransponder(*db, 1);
    testing::AddTransponder(*db, 1);
    testing::AddRadio(*db, 1, "RADIO ONE");
    testing::AddTv(*db, 1, "FIRST");
    testing::AddTv(*db, 2, "OTHER");
    testing::AddTv(*db, 1, "SECOND");
    const std::vector<std::size_t> slots = ChannelsOfTransponder(*db, 0);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(TransponderChannelLine(db->channels[slots[0]]), Line(80, {{0, "TV"}, {9, "FIRST"}}));
    EXPECT_EQ(TransponderChannelLine(db->channels[slots[1]]), Line(80, {{0, "TV"}, {9, "SECOND"}}));
    EXPECT_EQ(TransponderChannelLine(db->channels[slots[2]]),
              Line(80, {{0, "Radio"}, {9, "RADIO ONE"}}));
}

}  // namespace
}  // namespace zev
