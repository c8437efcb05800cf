// The filter text: names that contain it whatever the case, and numbers that equal a channel's
// PIDs and IDs (as the list shows them, hexadecimal in hex mode) or its transponder's TransID or
// frequency (decimal always).
#include <gtest/gtest.h>

#include <vector>

#include "EditingTestSupport.h"
#include "editing/ChannelFilter.h"

namespace zev {
namespace {

class ChannelFilterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db_ = testing::MakeDatabase();
        testing::AddSatellite(*db_, "ASTRA");
        testing::AddTransponder(*db_, 1, 11778);
        db_->transponders[0].TransID = 1070;
        testing::AddTransponder(*db_, 1, 255);
        testing::AddTv(*db_, 1, "Das Erste");         // row 0
        testing::AddTv(*db_, 1, "\xC4RD \xE9t\xE9");  // row 1: Latin-1 capitals
        testing::AddTv(*db_, 2, "RTL 2");             // row 2
        testing::AddTv(*db_, 9, "Lost");              // row 3: no such transponder
        db_->Tv(0).VPID = 101;
        db_->Tv(1).ServiceID = 255;
        db_->Tv(2).AC3PID = 256;
        db_->Tv(3).NetworkID = 11778;
        testing::AddRadio(*db_, 1, "Radio Eins");
        testing::AddRadio(*db_, 2, "radio zwei");
    }
    std::vector<std::size_t> Tv(const char* text, bool hex = false) const {
        return FilteredPositions(*db_, true, ChannelFilter(text, hex));
    }
    std::unique_ptr<ChannelDatabase> db_;
};

using Rows = std::vector<std::size_t>;

TEST_F(ChannelFilterTest, NamesMatchAnywhereWhateverTheCase) {
    EXPECT_EQ(Tv(""), (Rows{0, 1, 2, 3}));
    EXPECT_EQ(Tv("erst"), (Rows{0}));
    EXPECT_EQ(Tv("DAS E"), (Rows{0}));
    EXPECT_EQ(Tv("\xE4rd \xC9T"), (Rows{1}));  // accented letters fold too
    EXPECT_EQ(Tv("Erste!"), Rows{});
    EXPECT_EQ(FilteredPositions(*db_, false, ChannelFilter("RADIO", false)), (Rows{0, 1}));
    EXPECT_EQ(FilteredPositions(*db_, false, ChannelFilter("zwei", false)), (Rows{1}));
    EXPECT_EQ(FilteredPositions(*db_, true, ChannelFilter::Nothing()), Rows{});
}

TEST_F(ChannelFilterTest, NumbersMatchPidsIdsTransIdAndFrequencyAsTheListShowsThem) {
    EXPECT_EQ(Tv("101"), (Rows{0}));          // VPID
    EXPECT_EQ(Tv(" 1070 "), (Rows{0, 1}));    // TransID of transponder 1
    EXPECT_EQ(Tv("11778"), (Rows{0, 1, 3}));  // frequency, and row 3's NetworkID
    EXPECT_EQ(Tv("2"), (Rows{2}));            // in the name "RTL 2", no field is 2
    EXPECT_EQ(Tv("255"), (Rows{1, 2}));       // ServiceID, and the frequency of transponder 2
    EXPECT_EQ(Tv("70000"), Rows{});           // wider than any field
    // Hex mode: PIDs and IDs as hexadecimal, the frequency still decimal.
    EXPECT_EQ(Tv("ff", true), (Rows{1}));
    EXPECT_EQ(Tv("100", true), (Rows{2}));
    EXPECT_EQ(Tv("255", true), (Rows{2}));  // the frequency of row 2's transponder
    EXPECT_EQ(Tv("65", true), (Rows{0}));   // VPID 101 is 65 in hexadecimal
}

}  // namespace
}  // namespace zev
