#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingTestSupport.h"
#include "editing/TransponderUpdate.h"

namespace zev {
namespace {

using testing::AddSatellite;
using testing::AddTransponder;
using testing::AddTv;
using testing::MakeDatabase;

FileSatellite Sat(const std::string& name, int position,
                  std::vector<FileTransponder> transponders = {}) {
    return {name, position, std::move(transponders), 0};
}

FileTransponder Tp(uint64_t khz, uint32_t polarization = 0, uint64_t symbolRate = 27500000) {
    return {khz, symbolRate, polarization, 0};
}

std::vector<std::optional<std::size_t>> Tied(const std::vector<SatelliteTie>& ties) {
    std::vector<std::optional<std::size_t>> files;
    for (const SatelliteTie& tie : ties) files.push_back(tie.fileSatellite);
    return files;
}

TEST(TransponderUpdate, SatellitesAreTiedByPositionOrByTheOnlyNameThatContainsTheirs) {
    auto db = MakeDatabase();
    AddSatellite(*db, "ASTRA");
    AddSatellite(*db, "hotbird");
    AddSatellite(*db, "T\xC4RK");  // TÄRK, Latin-1
    AddSatellite(*db, "Nowhere");
    AddSatellite(*db, "  ");
    AddSatellite(*db, "Astra");
    TransponderFile file;
    file.satellites = {Sat("19.2E Astra 1KR", 192), Sat("28.2E Astra 2", 282),
                       Sat("13.0E Hotbird 13B", 130), Sat("42.0E T\xC3\xA4rk", 420),
                       Sat("13.0E Hotbird 13C", 130)};
    const std::vector<std::optional<int>> positions = {std::nullopt, std::nullopt, std::nullopt,
                                                       std::nullopt, std::nullopt, 282};
    const std::vector<SatelliteTie> ties = TieSatellites(*db, file, positions);
    ASSERT_EQ(ties.size(), 6u);
    using Outcome = SatelliteTie::Outcome;
    EXPECT_EQ(ties[0].outcome, Outcome::Several);  // in two names
    EXPECT_EQ(ties[0].candidates, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(ties[1].outcome, Outcome::Several);
    EXPECT_EQ(ties[2].outcome, Outcome::Tied);  // Ä and ä fold together
    EXPECT_EQ(ties[2].fileSatellite, 3u);
    EXPECT_EQ(ties[3].outcome, Outcome::NameNotFound);
    EXPECT_EQ(ties[4].outcome, Outcome::NoName);
    EXPECT_EQ(ties[5].outcome, Outcome::Tied);  // the position decides, not the name
    EXPECT_EQ(ties[5].fileSatellite, 1u);

    const std::vector<std::optional<int>> atHotbird = {130, 10, std::nullopt};
    const std::vector<SatelliteTie> byPosition = TieSatellites(*db, file, atHotbird);
    EXPECT_EQ(byPosition[0].outcome, Outcome::Several);
    EXPECT_EQ(byPosition[1].outcome, Outcome::NothingAtPosition);

    const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, file, Tied(ties), false);
    auto line = [&](std::size_t s) {
        return SatelliteUpdateLine(*db, file, ties[s], plan.satellites[s]);
    };
    EXPECT_EQ(line(0),
              "ASTRA: not updated: 2 satellites of the file could be it: \"19.2E Astra 1KR\" "
              "(19.2E), \"28.2E Astra 2\" (28.2E)");
    EXPECT_EQ(line(3),
              "Nowhere: not updated: no satellite of the file has \"Nowhere\" in its name");
    EXPECT_EQ(line(4), "Satellite 5: not updated: it has no name to look for in the file");
    EXPECT_EQ(SatelliteUpdateLine(*db, file, byPosition[1], plan.satellites[1]),
              "hotbird: not updated: the file has no satellite at 1.0E");
}

// One satellite with transponders at 11000 H, 11002 H, 11500 V and 12000 H; a channel on each.
std::unique_ptr<ChannelDatabase> OneSatellite() {
    auto db = MakeDatabase();
    AddSatellite(*db, "EAST");
    AddSatellite(*db, "WEST");
    AddTransponder(*db, 1, 11000);
    AddTransponder(*db, 1, 11002);
    AddTransponder(*db, 2, 10000);  // WEST's: the additions to EAST go before it
    AddTransponder(*db, 1, 11500);
    AddTransponder(*db, 1, 12000);
    db->transponders[3].Polarization = 1;
    for (std::size_t i = 0; i < 5; ++i) {
        db->transponders[i].Symbol = 27500;
        db->transponders[i].TransID = static_cast<uint16_t>(100 + i);
        db->transponders[i].SatAux = static_cast<uint8_t>(i);
    }
    for (uint16_t tp = 1; tp <= 5; ++tp) AddTv(*db, tp, "CH" + std::to_string(tp));
    AddTv(*db, 9, "BEYOND");  // names no transponder
    return db;
}

TEST(TransponderUpdate, NearestWithinTwoMegahertzOneToOneAndAdditionsAfterTheLast) {
    auto db = OneSatellite();
    TransponderFile file;
    file.satellites = {Sat("East", 192,
                           {Tp(11001400, 0, 22000400),         // nearer to 11002 than to 11000
                            Tp(11000600, 0),                   // so 11000 takes this one
                            Tp(11500400, 1, 27499500),         // rounds to what 11500 V has
                            Tp(11998000, 0),                   // 12000 H, just within 2 MHz
                            Tp(11497999, 1),                   // 2001 kHz from 11500 V: new
                            Tp(10750000, 2), Tp(10760000, 3),  // circular
                            Tp(19700000, 0)})};                // beyond 14 bits
    const std::vector<std::optional<int>> positions = {192};
    const auto ties = TieSatellites(*db, file, positions);
    const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, file, Tied(ties), false);
    const SatelliteUpdate& east = plan.satellites[0];
    EXPECT_EQ(east.updated, 3u);
    EXPECT_EQ(east.unchanged, 1u);
    EXPECT_EQ(east.added, 1u);
    EXPECT_EQ(east.notInFile, 0u);
    EXPECT_EQ(east.circular, 2u);
    EXPECT_EQ(east.beyondImage, 1u);
    EXPECT_FALSE(plan.satellites[1].fileSatellite);
    EXPECT_EQ(SatelliteUpdateLine(*db, file, ties[0], east),
              "EAST (19.2E): 1 added, 3 updated, 1 unchanged, 0 not in the file, 2 circular "
              "skipped, 1 beyond the image's range skipped");

    // A capacity lowered after the lists were filled: the radio list's one row is BEYOND's
    // slot, which is renumbered once all the same.
    db->header.RadioCount = 1;
    db->header.ChannelCapacity = 6;
    ASSERT_TRUE(ApplyTransponderUpdate(*db, plan).ok());
    ASSERT_EQ(db->header.TpCount, 6u);
    const TransponderEntry& a = db->transponders[0];
    EXPECT_EQ(a.Frequency, 11001);  // 11000600 kHz rounded
    EXPECT_EQ(a.TransID, 100);      // everything else stays
    const TransponderEntry& b = db->transponders[1];
    EXPECT_EQ(b.Frequency, 11001);
    EXPECT_EQ(b.Symbol, 22000);
    EXPECT_EQ(db->transponders[2].Frequency, 10000);
    EXPECT_EQ(db->transponders[3].Frequency, 11500);
    EXPECT_EQ(db->transponders[4].Frequency, 11998);
    const TransponderEntry& added = db->transponders[5];
    EXPECT_EQ(added.Frequency, 11498);
    EXPECT_EQ(added.Polarization, 1);
    EXPECT_EQ(added.Sat, 1);
    EXPECT_EQ(added.TransID, 0);
    EXPECT_EQ(added.SatAux, 4);  // from EAST's last transponder
    // Channels keep their transponders; the one beyond the table moves with the addition.
    for (uint16_t row = 0; row < 5; ++row) EXPECT_EQ(db->Tv(row).TpNumber, row + 1);
    EXPECT_EQ(db->Tv(5).TpNumber, 10);
}

TEST(TransponderUpdate, RemovingMissingKeepsThoseWithChannelsAndRenumbersTheRest) {
    auto db = OneSatellite();
    db->header.TvCount = 2;  // channels only on 11000 and 11002
    db->Tv(1).TpNumber = 5;  // ... on 11000 and 12000
    TransponderFile file;
    file.satellites = {Sat("EAST", 0, {Tp(10900000), Tp(11000000)})};
    const auto ties = TieSatellites(*db, file, {});
    const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, file, Tied(ties), true);
    const SatelliteUpdate& east = plan.satellites[0];
    EXPECT_EQ(east.notInFile, 3u);
    EXPECT_EQ(east.removed, 2u);  // 11002 H and 11500 V
    EXPECT_EQ(east.keptForChannels, std::vector<std::size_t>{4});
    EXPECT_EQ(SatelliteUpdateLine(*db, file, ties[0], east),
              "EAST (0.0E): 1 added, 0 updated, 1 unchanged, 3 not in the file (2 removed, 1 kept "
              "for its channels), 0 circular skipped");
    EXPECT_EQ(KeptTransponderLines(*db, east),
              std::vector<std::string>{
                  "EAST: transponder 5 (12000 H) is not in the file but kept: 1 channel is on it"});

    ASSERT_TRUE(ApplyTransponderUpdate(*db, plan).ok());
    ASSERT_EQ(db->header.TpCount, 4u);
    EXPECT_EQ(db->transponders[0].Frequency, 11000);
    EXPECT_EQ(db->transponders[1].Sat, 2);
    EXPECT_EQ(db->transponders[2].Frequency, 12000);
    EXPECT_EQ(db->transponders[3].Frequency, 10900);
    EXPECT_EQ(db->Tv(0).TpNumber, 1);
    EXPECT_EQ(db->Tv(1).TpNumber, 3);
}

TEST(TransponderUpdate, AdditionsBeyondTheCapacityChangeNothing) {
    auto db = OneSatellite();
    db->header.TpCapacity = 6;
    TransponderFile file;
    file.satellites = {Sat("EAST", 0, {Tp(10100000), Tp(10200000)})};
    const auto ties = TieSatellites(*db, file, {});
    const std::vector<TransponderEntry> before(db->transponders.begin(),
                                               db->transponders.begin() + 5);
    const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, file, Tied(ties), false);
    EXPECT_EQ(plan.transpondersAfter, 7u);
    const Result<void, std::string> applied = ApplyTransponderUpdate(*db, plan);
    ASSERT_FALSE(applied.ok());
    EXPECT_EQ(applied.error(),
              "The update would give 7 transponders, more than the 6 the image holds (TpCapacity); "
              "nothing was changed.");
    EXPECT_EQ(db->header.TpCount, 5u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), db->transponders.begin()));

    // Removing missing transponders makes room: with a channel on 11000 alone, 3 go, 2 come.
    db->header.TvCount = 1;
    const TransponderUpdatePlan roomier = PlanTransponderUpdate(*db, file, Tied(ties), true);
    EXPECT_EQ(roomier.transpondersAfter, 4u);
    EXPECT_TRUE(ApplyTransponderUpdate(*db, roomier).ok());
}

TEST(TransponderFile, PositionsAsPeopleWriteThem) {
    EXPECT_EQ(ParseOrbitalPosition("19.2E"), 192);
    EXPECT_EQ(ParseOrbitalPosition("30.0W"), -300);
    EXPECT_EQ(ParseOrbitalPosition("0.8w"), -8);
    EXPECT_EQ(ParseOrbitalPosition("180E"), 1800);
    for (const char* bad : {"", "E", "19.25E", "181E", "19.2", "-19.2E", "19.E", ".5E", "1 E"}) {
        EXPECT_FALSE(ParseOrbitalPosition(bad)) << bad;
    }
    EXPECT_EQ(OrbitalPositionText(-300), "30.0W");
    EXPECT_EQ(OrbitalPositionText(0), "0.0E");
    EXPECT_EQ(OrbitalPositionText(-8), "0.8W");
}

}  // namespace
}  // namespace zev
