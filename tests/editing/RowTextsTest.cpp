#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "editing/FixedColumnLine.h"
#include "editing/RowTexts.h"

namespace zev {
namespace {

using testing::Line;

TEST(SatelliteRowText, PutsEveryFieldAtItsColumnInSeventyCharacters) {
    auto db = testing::MakeDatabase();
    for (int i = 0; i < 10; ++i) testing::AddSatellite(*db, "S" + std::to_string(i + 1));
    SatelliteEntry& s10 = db->satellites[9];
    s10.Lnbtype = 1;
    s10.Lnblow = 9750;
    s10.Lnbhigh = 10600;
    s10.DiseqcType = 0;
    s10.DiseqcPort = 1;
    EXPECT_EQ(SatelliteRowText(*db, 9), Line(70, {{0, "10"},
                                                  {7, "S10"},
                                                  {21, "universal"},
                                                  {33, "9750"},
                                                  {44, "10600"},
                                                  {55, "Diseqc1.0"},
                                                  {67, "A"}}));
}

TEST(SatelliteRowText, ShowsAnyNonzeroTypeAsTheSecondTextAndAPortAboveFourAsItsNumber) {
    auto db = testing::MakeDatabase();
    testing::AddSatellite(*db, "ODD");
    db->satellites[0].Lnbtype = 7;
    db->satellites[0].DiseqcType = 3;
    db->satellites[0].DiseqcPort = 12;
    const std::string row = SatelliteRowText(*db, 0);
    EXPECT_EQ(row.substr(21, 9), "universal");
    EXPECT_EQ(row.substr(55, 9), "Diseqc1.2");
    EXPECT_EQ(row.substr(67), "12 ");
    db->satellites[0].DiseqcPort = 0;
    EXPECT_EQ(SatelliteRowText(*db, 0).substr(67), "Off");
}

TEST(TransponderRowText, PutsEveryFieldAtItsColumnInTheListAndPickWidths) {
    auto db = testing::MakeDatabase();
    testing::AddSatellite(*db, "SAT1");
    for (int i = 0; i < 5; ++i) testing::AddTransponder(*db, 1);
    TransponderEntry& tp = db->transponders[4];
    tp.Frequency = 11778;
    tp.Polarization = 1;
    tp.Symbol = 27500;
    tp.TransID = 1070;
    const std::vector<std::pair<std::size_t, std::string>> fields = {
        {0, "5"}, {7, "SAT1"}, {25, "11778"}, {37, "V"}, {48, "27500"}, {66, "1070"}};
    EXPECT_EQ(TransponderRowText(*db, 4, 73), Line(73, fields));
    EXPECT_EQ(TransponderRowText(*db, 4, 80), Line(80, fields));
    tp.Polarization = 0;
    EXPECT_EQ(TransponderRowText(*db, 4, 73)[37], 'H');
}

// Sat 0 would name the slot before the table; a Sat past the count names a stale slot.
TEST(TransponderRowText, LeavesTheNameBlankWhenSatNamesNoSatelliteInUse) {
    auto db = testing::MakeDatabase();
    testing::AddSatellite(*db, "SAT1");
    db->satellites[1].Name = {'S', 'T', 'A', 'L', 'E'};
    testing::AddTransponder(*db, 0, 10714);
    testing::AddTransponder(*db, 2, 10729);
    EXPECT_EQ(TransponderRowText(*db, 0, 73),
              Line(73, {{0, "1"}, {25, "10714"}, {37, "H"}, {48, "0"}, {66, "0"}}));
    EXPECT_EQ(TransponderRowText(*db, 1, 73).substr(7, 18), std::string(18, ' '));
}

TEST(FixedColumnLine, ALongerFieldOverwritesTheNextAndTheLastMayLengthenTheLine) {
    FixedColumnLine line(10);
    line.Put(0, "ABCDEFG").Put(4, "xy").Put(8, "1234");
    EXPECT_EQ(line.Text(), "ABCDxyG 1234");
}

TEST(RowNumberOf, ReadsOnlyTheFirstFourCharacters) {
    EXPECT_EQ(RowNumberOf("12     SAT1"), 12);
    EXPECT_EQ(RowNumberOf("5000   SAT1"), 5000);
    EXPECT_EQ(RowNumberOf("123456"), 1234);
    EXPECT_EQ(RowNumberOf("  7 "), 7);
    EXPECT_EQ(RowNumberOf(""), 0);
    EXPECT_EQ(RowNumberOf("    9"), 0);
}

}  // namespace
}  // namespace zev
