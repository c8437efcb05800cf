#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "editing/ListEditRules.h"

namespace zev {
namespace {

TEST(NewTemplate, CopiesTheSlotAndStartsAnEmptyTransponderTableAtSatelliteOne) {
    auto db = testing::MakeDatabase();
    db->transponders[0].Sat = 9;
    db->transponders[0].SatAux = 0x55;
    const TransponderEntry first = NewTransponderTemplate(*db, 0);
    EXPECT_EQ(first.Sat, 1);
    EXPECT_EQ(first.SatAux, 0x55);
    // The unused slot itself is left as it was, so a cancelled New changes nothing.
    EXPECT_EQ(db->transponders[0].Sat, 9);

    testing::AddTransponder(*db, 9);
    EXPECT_EQ(NewTransponderTemplate(*db, 0).Sat, 9);
}

}  // namespace
}  // namespace zev
