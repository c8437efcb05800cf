#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "EditingTestSupport.h"
#include "database/RecordName.h"
#include "editing/ReferenceOrder.h"

namespace zev {
namespace {

using testing::AddRadio;
using testing::AddSatellite;
using testing::AddTransponder;
using testing::AddTv;
using testing::MakeDatabase;

std::vector<std::string> Names(const ChannelDatabase& db, bool tv) {
    std::vector<std::string> names;
    const std::size_t rows = tv ? db.header.TvCount : db.header.RadioCount;
    for (std::size_t row = 0; row < rows; ++row) {
        names.push_back(NameBytes((tv ? db.Tv(row) : db.Radio(row)).Name));
    }
    return names;
}

// Channels named "C<n>" with Service ID n on transponders of two satellites.
std::unique_ptr<ChannelDatabase> Database(std::size_t tv, std::size_t radio) {
    auto db = MakeDatabase();
    AddSatellite(*db, "EAST");
    AddSatellite(*db, "WEST");
    AddTransponder(*db, 1, 11000);
    AddTransponder(*db, 2, 12000);
    for (std::size_t i = 0; i < tv + radio; ++i) {
        const std::string name = "C" + std::to_string(i);
        const auto tp = static_cast<uint16_t>(1 + i % 2);
        if (i < tv) {
            AddTv(*db, tp, name);
        } else {
            AddRadio(*db, tp, name);
        }
        (i < tv ? db->Tv(i) : db->Radio(i - tv)).ServiceID = static_cast<uint16_t>(i);
    }
    return db;
}

TEST(ReferenceOrder, ShuffledTrimmedAndExtendedReferenceOrdersTheListsItShares) {
    std::mt19937 random(99);
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(round);
        const std::size_t tv = 1 + random() % 40;
        const std::size_t radio = random() % 15;
        auto db = Database(tv, radio);
        const std::vector<std::string> oldTv = Names(*db, true);
        const std::vector<std::string> oldRadio = Names(*db, false);

        // The reference: the same channels shuffled, some left out, others it has alone.
        ReferenceLists reference = ReferenceListsOf(*db);
        for (auto* list : {&reference.tv, &reference.radio}) {
            std::shuffle(list->begin(), list->end(), random);
            list->resize(list->size() - random() % (list->size() + 1) / 2);
            for (int extra = 0; extra < 3; ++extra) {
                ChannelIdentity other = list->empty() ? ChannelIdentity{} : list->front();
                other.name = "NEW" + std::to_string(extra);
                other.serviceId = static_cast<uint16_t>(1000 + extra);
                list->insert(list->begin() + static_cast<long>(random() % (list->size() + 1)),
                             other);
            }
        }

        const ReorderResult result = OrderLikeReference(*db, reference);

        for (const bool isTv : {true, false}) {
            const auto& ref = isTv ? reference.tv : reference.radio;
            const auto& old = isTv ? oldTv : oldRadio;
            std::vector<std::string> expected;
            for (const ChannelIdentity& c : ref) {
                if (std::find(old.begin(), old.end(), c.name) != old.end()) {
                    expected.push_back(c.name);
                }
            }
            const std::size_t placed = expected.size();
            for (const std::string& name : old) {
                if (std::find(expected.begin(), expected.begin() + static_cast<long>(placed),
                              name) == expected.begin() + static_cast<long>(placed)) {
                    expected.push_back(name);
                }
            }
            EXPECT_EQ(Names(*db, isTv), expected) << (isTv ? "TV" : "radio");
            const ListPlacement counts = isTv ? result.tv : result.radio;
            EXPECT_EQ(counts.placed, placed);
            EXPECT_EQ(counts.total, old.size());
        }
    }
}

TEST(ReferenceOrder, ServiceOnTheSameSatelliteBeforeNameAndEachReferenceChannelOnce) {
    auto db = MakeDatabase();
    AddSatellite(*db, "EAST");
    AddSatellite(*db, "WEST");
    AddTransponder(*db, 1, 11000);
    AddTransponder(*db, 2, 11000);  // the same frequency on the other satellite
    AddTv(*db, 1, "Kika");          // A: named like the reference's second, but no service match
    AddTv(*db, 1, "KiKA HD");       // B: the service of the reference's second
    AddTv(*db, 2, "Sport");         // C: the service of the reference's first, other satellite
    AddTv(*db, 1, "sport");         // D: named like the reference's first
    AddTv(*db, 1, "SPORT");         // E: the same name again: the reference has one
    db->Tv(0).ServiceID = 5;
    db->Tv(1).ServiceID = 7;
    db->Tv(2).ServiceID = 3;
    db->Tv(3).ServiceID = 4;
    db->Tv(4).ServiceID = 6;

    auto ref = MakeDatabase();
    AddSatellite(*ref, "WEST");  // satellites match by name, not by number
    AddSatellite(*ref, "EAST");
    AddTransponder(*ref, 2, 11000);
    AddTv(*ref, 1, "Sport");
    ref->Tv(0).ServiceID = 3;  // on EAST: C is on WEST, so only a name can match it
    AddTv(*ref, 1, "KIKA");
    ref->Tv(1).ServiceID = 7;  // B by service, although A has the name

    const ReorderResult result = OrderLikeReference(*db, ReferenceListsOf(*ref));
    // "Sport" goes to C, the first by name in list order ("sport" D and "SPORT" E follow);
    // "KIKA" goes to B by service before A could take it by name.
    EXPECT_EQ(Names(*db, true),
              (std::vector<std::string>{"Sport", "KiKA HD", "Kika", "sport", "SPORT"}));
    EXPECT_EQ(result.tv.placed, 2u);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(ReorderSummary(result),
              "TV: 2 of 5 channels placed like the reference; radio: 0 of 0");

    ReorderResult again = OrderLikeReference(*db, ReferenceListsOf(*ref));
    EXPECT_FALSE(again.changed);
    again.tv = {1, 1};
    EXPECT_EQ(ReorderSummary(again), "TV: 1 of 1 channel placed like the reference; radio: 0 of 0");
}

}  // namespace
}  // namespace zev
