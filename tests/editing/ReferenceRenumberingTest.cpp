#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "EditingTestSupport.h"
#include "editing/ReferenceRenumbering.h"

namespace zev {
namespace {

// The rebuilds exactly as the drop handler is described: row by row, every reference that
// equals the row's old number in the live table gets the row's new number in a copy.
void LiteralTransponderRebuild(ChannelDatabase& db, const std::vector<int>& numbers) {
    const auto transponders = std::make_unique<ChannelDatabase>();
    transponders->transponders = db.transponders;
    const auto channels = std::make_unique<ChannelDatabase>();
    channels->channels = db.channels;
    const std::size_t capacity = db.header.ChannelCapacity;
    for (std::size_t a = 0; a < numbers.size(); ++a) {
        const int n = numbers[a];
        if (n != static_cast<int>(a) + 1) {
            for (std::size_t s = 0; s < db.header.TvCount; ++s) {
                if (db.channels[s].TpNumber == n) channels->channels[s].TpNumber = uint16_t(a + 1);
            }
            for (std::size_t s = capacity - 1; s + 1 > capacity - db.header.RadioCount; --s) {
                if (db.channels[s].TpNumber == n) channels->channels[s].TpNumber = uint16_t(a + 1);
            }
        }
        db.transponders[a] = transponders->transponders[static_cast<std::size_t>(n) - 1];
    }
    db.channels = channels->channels;
}

void LiteralSatelliteRebuild(ChannelDatabase& db, const std::vector<int>& numbers) {
    const auto copy = std::make_unique<ChannelDatabase>();
    copy->satellites = db.satellites;
    copy->transponders = db.transponders;
    for (std::size_t a = 0; a < numbers.size(); ++a) {
        const int n = numbers[a];
        if (n != static_cast<int>(a) + 1) {
            for (std::size_t i = 0; i < db.header.TpCount; ++i) {
                if (db.transponders[i].Sat == n) copy->transponders[i].Sat = uint8_t(a + 1);
            }
        }
        db.satellites[a] = copy->satellites[static_cast<std::size_t>(n) - 1];
    }
    db.transponders = copy->transponders;
}

// A database whose records are told apart by their values, with some references that name
// no record at all. Every third one has its channel capacity lowered after the lists were
// filled, as a smaller flash setting does, so that its TV and radio areas share slots.
std::unique_ptr<ChannelDatabase> RandomDatabase(uint32_t seed, int flashUser) {
    std::mt19937 rng(seed);
    auto db = std::make_unique<ChannelDatabase>();
    UpdateFlashLayout(db->header, 2, flashUser);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int sats = pick(1, 30);
    const int tps = pick(1, 400);
    for (int i = 0; i < sats; ++i) testing::AddSatellite(*db, "S" + std::to_string(i));
    for (int i = 0; i < tps; ++i) {
        testing::AddTransponder(*db, uint8_t(pick(0, sats + 2)), uint16_t(10000 + i));
    }
    const int tv = pick(0, 700);
    const int radio = pick(0, 500);
    for (int i = 0; i < tv; ++i) testing::AddTv(*db, uint16_t(pick(0, tps + 3)));
    for (int i = 0; i < radio; ++i) testing::AddRadio(*db, uint16_t(pick(0, tps + 3)));
    if (seed % 3 == 0 && tv > 0 && radio > 0) {
        db->header.ChannelCapacity = uint16_t(pick(std::max(tv, radio), tv + radio - 1));
    }
    return db;
}

std::vector<int> RandomOrder(std::size_t count, std::mt19937& rng) {
    std::vector<int> numbers(count);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), rng);
    return numbers;
}

TEST(TableRebuild, EqualsTheRowByRowRebuildForRandomOrders) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const int flashUser = seed % 2 == 0 ? 1 : 2;  // channel capacity 1840 or 4000
        auto fast = RandomDatabase(seed, flashUser);
        auto literal = RandomDatabase(seed, flashUser);
        std::mt19937 rng(seed * 7919);
        const std::vector<int> tpOrder = RandomOrder(fast->header.TpCount, rng);
        RebuildTransponderTable(*fast, tpOrder);
        LiteralTransponderRebuild(*literal, tpOrder);
        const std::vector<int> satOrder = RandomOrder(fast->header.SatCount, rng);
        RebuildSatelliteTable(*fast, satOrder);
        LiteralSatelliteRebuild(*literal, satOrder);
        ASSERT_EQ(fast->satellites, literal->satellites) << "seed " << seed;
        ASSERT_EQ(fast->transponders, literal->transponders) << "seed " << seed;
        ASSERT_EQ(fast->channels, literal->channels) << "seed " << seed;
    }
}

TEST(TableRebuild, SwappingTwoTranspondersSwapsTheirChannelsOnce) {
    for (int flashUser : {1, 2}) {
        auto db = testing::MakeDatabase();
        UpdateFlashLayout(db->header, 2, flashUser);
        testing::AddSatellite(*db, "A");
        for (int i = 0; i < 3; ++i) testing::AddTransponder(*db, 1, uint16_t(11000 + i));
        for (uint16_t tp : {1, 2, 3, 1}) testing::AddTv(*db, tp);
        for (uint16_t tp : {2, 1}) testing::AddRadio(*db, tp);
        RebuildTransponderTable(*db, std::vector<int>{2, 1, 3});
        EXPECT_EQ(db->transponders[0].Frequency, 11001);
        EXPECT_EQ(db->transponders[1].Frequency, 11000);
        EXPECT_EQ(db->Tv(0).TpNumber, 2);
        EXPECT_EQ(db->Tv(1).TpNumber, 1);
        EXPECT_EQ(db->Tv(2).TpNumber, 3);
        EXPECT_EQ(db->Tv(3).TpNumber, 2);
        EXPECT_EQ(db->Radio(0).TpNumber, 1);
        EXPECT_EQ(db->Radio(1).TpNumber, 2);
    }
    // A smaller capacity makes the areas share slot 1838: it is renumbered once.
    auto db = testing::MakeDatabase();
    UpdateFlashLayout(db->header, 2, 1);
    ASSERT_EQ(db->header.ChannelCapacity, 1840);
    testing::AddSatellite(*db, "A");
    testing::AddTransponder(*db, 1, 11000);
    testing::AddTransponder(*db, 1, 11001);
    for (int i = 0; i < 1839; ++i) testing::AddTv(*db, 1);
    for (int i = 0; i < 2; ++i) testing::AddRadio(*db, 1);
    RebuildTransponderTable(*db, std::vector<int>{2, 1});
    for (std::size_t slot : {std::size_t{0}, std::size_t{1838}, std::size_t{1839}}) {
        EXPECT_EQ(db->channels[slot].TpNumber, 2) << "slot " << slot;
    }
}

TEST(TableRebuild, SatelliteThreeDroppedAfterOneBecomesTwo) {
    auto db = testing::MakeDatabase();
    for (const char* name : {"ONE", "TWO", "THREE"}) testing::AddSatellite(*db, name);
    for (uint8_t sat : {1, 2, 3, 2, 3}) testing::AddTransponder(*db, sat);
    RebuildSatelliteTable(*db, std::vector<int>{1, 3, 2});
    EXPECT_EQ(std::string(db->satellites[1].Name.data()), "THREE");
    EXPECT_EQ(std::string(db->satellites[2].Name.data()), "TWO");
    std::vector<int> sats;
    for (std::size_t i = 0; i < db->header.TpCount; ++i) sats.push_back(db->transponders[i].Sat);
    EXPECT_EQ(sats, (std::vector<int>{1, 3, 2, 3, 2}));
}

// Numbers read back from rows that are out of step with the table must not index outside
// it or duplicate records.
TEST(TableRebuild, NumbersThatAreNotAnOrderOfTheTableChangeNothing) {
    for (const std::vector<int>& numbers :
         std::vector<std::vector<int>>{{1, 1, 3}, {0, 2, 3}, {1, 2, 4}, {2, 1}, {2, 1, 3, 4}}) {
        auto db = RandomDatabase(5, 2);
        db->header.TpCount = 3;
        db->header.SatCount = 3;
        auto before = RandomDatabase(5, 2);
        before->header.TpCount = 3;
        before->header.SatCount = 3;
        RebuildTransponderTable(*db, numbers);
        RebuildSatelliteTable(*db, numbers);
        EXPECT_FALSE(IsNewOrder(numbers, 3));
        EXPECT_EQ(db->satellites, before->satellites);
        EXPECT_EQ(db->transponders, before->transponders);
        EXPECT_EQ(db->channels, before->channels);
    }
    EXPECT_FALSE(IsNewOrder(std::vector<int>{1, 2, 3}, 3));
    EXPECT_TRUE(IsNewOrder(std::vector<int>{1, 3, 2}, 3));
}

}  // namespace
}  // namespace zev
