#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SampleDatabase.h"
#include "editing/DatabaseCheck.h"
#include "formats/ImageLayout.h"

namespace zev {
namespace {

using testing::Channel;
using testing::SampleDatabase;
using testing::SetName;
using testing::Transponder;

std::vector<CheckProblem> Problems(const CheckResult& result) {
    std::vector<CheckProblem> problems;
    for (const CheckFinding& finding : result.findings) problems.push_back(finding.problem);
    return problems;
}

std::string Report(const CheckResult& result) { return CheckReportText(result); }

TEST(DatabaseCheck, FindsNothingInASoundDatabase) {
    const CheckResult result = CheckDatabase(*SampleDatabase());
    EXPECT_TRUE(result.findings.empty()) << Report(result);
    EXPECT_FALSE(result.HasErrors());
    EXPECT_EQ(Report(result), "No problems found.\n");
}

struct BrokenCase {
    const char* what;
    std::function<void(ChannelDatabase&)> breakIt;
    CheckProblem problem;
    RecordRef record;
    const char* message;
};

// Each case breaks one thing in the sound database and expects exactly one finding for it:
// nothing else, so the check neither misses the problem nor reports it twice.
TEST(DatabaseCheck, FindsEachProblemAtItsRecordAndNothingElse) {
    const RecordRef header;
    const RecordRef radio1{RecordKind::RadioChannel, 1, 3998};  // ChannelCapacity 4000
    const std::vector<BrokenCase> cases = {
        {"channel on transponder 0",
         [](ChannelDatabase& db) { db.Tv(2).TpNumber = 0; },
         CheckProblem::MissingTransponder,
         {RecordKind::TvChannel, 2, 2},
         "TV channel 3 \"RTL\" is on transponder 0, which does not exist (there are 4 "
         "transponders)."},
        {"channel past the last transponder", [](ChannelDatabase& db) { db.Radio(1).TpNumber = 5; },
         CheckProblem::MissingTransponder, radio1,
         "Radio channel 2 \"Radio 2\" is on transponder 5"},
        {"transponder of no satellite", [](ChannelDatabase& db) { db.transponders[2].Sat = 3; },
         CheckProblem::MissingSatellite, TransponderRef(2),
         "Transponder 3 (10971 H) belongs to satellite 3, which does not exist (there are 2 "
         "satellites)."},
        {"PID wider than 13 bits",
         [](ChannelDatabase& db) { db.Tv(1).VPID = 9000; },
         CheckProblem::ValueTooWide,
         {RecordKind::TvChannel, 1, 1},
         "TV channel 2 \"ZDF\": VPID 9000 does not fit the image, which holds 0 to 8191."},
        {"frequency wider than 14 bits",
         [](ChannelDatabase& db) { db.transponders[0].Frequency = 16384; },
         CheckProblem::ValueTooWide, TransponderRef(0), "Frequency 16384 does not fit"},
        {"DiSEqC port wider than 4 bits",
         [](ChannelDatabase& db) { db.satellites[1].DiseqcPort = 16; }, CheckProblem::ValueTooWide,
         SatelliteRef(1), "Satellite 2 \"HOTBIRD\": DiseqcPort 16"},
        {"more satellites than their capacity",
         [](ChannelDatabase& db) { db.header.SatCapacity = 1; }, CheckProblem::CountAboveCapacity,
         header, "The database holds 2 satellites, more than its capacity of 1."},
        {"more transponders than their capacity",
         [](ChannelDatabase& db) { db.header.TpCapacity = 3; }, CheckProblem::CountAboveCapacity,
         header, "4 transponders, more than its capacity of 3"},
        {"user block too small for its areas",
         [](ChannelDatabase& db) { db.header.UserBlockSize = 2 * 8192; },
         CheckProblem::AreasOverlap, header,
         "The user block of 16384 bytes is too small for its header, satellite and transponder "
         "areas (18884 bytes)."},
        // Send refuses it, so the check calls it an error.
        {"user block of no whole flash blocks",
         [](ChannelDatabase& db) { db.header.UserBlockSize = 131073; }, CheckProblem::BlockNotWhole,
         header, "The user block of 131073 bytes is not whole flash blocks of 8192 bytes"},
        {"user block too large", [](ChannelDatabase& db) { db.header.UserBlockSize = 0x50000; },
         CheckProblem::BlockTooLarge, header, "larger than the largest user block"},
        {"capacity beyond the tables", [](ChannelDatabase& db) { db.header.TpCapacity = 5001; },
         CheckProblem::CapacityAboveLimit, header,
         "The transponder capacity of 5001 is larger than the limit of 5000."},
        {"duplicate channel",
         [](ChannelDatabase& db) {
             db.Radio(1).TpNumber = 3;
             db.Radio(1).ServiceID = 7;
         },
         CheckProblem::DuplicateChannel, radio1,
         "Radio channel 2 \"Radio 2\" duplicates Radio channel 1 \"Radio 1\" (transponder 3, "
         "Service ID 7)."},
        {"duplicate transponder",
         [](ChannelDatabase& db) { db.transponders[3] = Transponder(2, 10971, 0); },
         CheckProblem::DuplicateTransponder, TransponderRef(3),
         "Transponder 4 (10971 H) on satellite 2 duplicates transponder 3."},
        {"no video and no audio PID",
         [](ChannelDatabase& db) {
             db.Tv(3).VPID = 0;
             db.Tv(3).APID = 0x1FFF;  // the null PID carries nothing either
         },
         CheckProblem::NoPids,
         {RecordKind::TvChannel, 3, 3},
         "TV channel 4 \"SAT.1\" has neither a video nor an audio PID."},
        {"channel without a name",
         [](ChannelDatabase& db) { SetName(db.Tv(4).Name, ""); },
         CheckProblem::EmptyName,
         {RecordKind::TvChannel, 4, 4},
         "TV channel 5 has no name."},
        {"satellite named with blanks",
         [](ChannelDatabase& db) { SetName(db.satellites[0].Name, "   "); },
         CheckProblem::EmptyName, SatelliteRef(0), "Satellite 1 has no name."},
        {"radio flag in the TV list",
         [](ChannelDatabase& db) { db.Tv(0).RadioFlag = 1; },
         CheckProblem::WrongListFlag,
         {RecordKind::TvChannel, 0, 0},
         "TV channel 1 \"Das Erste\" is in the TV list but marked as a radio channel."},
        {"satellite without transponders",
         [](ChannelDatabase& db) {
             SetName(db.satellites[2].Name, "EMPTY");
             db.header.SatCount = 3;
         },
         CheckProblem::SatelliteWithoutTransponders, SatelliteRef(2),
         "Satellite 3 \"EMPTY\" has no transponders."},
        {"transponder without channels",
         [](ChannelDatabase& db) {
             db.transponders[4] = Transponder(1, 12603, 0);
             db.header.TpCount = 5;
         },
         CheckProblem::TransponderWithoutChannels, TransponderRef(4),
         "Transponder 5 (12603 H) has no channels."},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto db = SampleDatabase();
        c.breakIt(*db);
        const CheckResult result = CheckDatabase(*db);
        ASSERT_EQ(Problems(result), std::vector{c.problem}) << Report(result);
        const CheckFinding& finding = result.findings.front();
        EXPECT_EQ(finding.record, c.record);
        EXPECT_NE(finding.message.English().find(c.message), std::string::npos) << finding.message;
        const bool error = SeverityOf(c.problem) == CheckSeverity::Error;
        EXPECT_EQ(result.errors, error ? 1u : 0u);
        EXPECT_EQ(result.warnings, error ? 0u : 1u);
        EXPECT_EQ(FindingLine(finding),
                  (error ? "error: " : "warning: ") + finding.message.English());
    }
}

TEST(DatabaseCheck, TvAndRadioChannelsSharingSlotsComesFirst) {
    auto db = SampleDatabase();
    // Radio rows 0 and 1 are now slots 6 (never written) and 5 (TV row 5), and are checked as
    // what they hold.
    db->header.ChannelCapacity = 7;
    const CheckResult result = CheckDatabase(*db);
    ASSERT_TRUE(result.HasErrors());
    EXPECT_EQ(result.findings[0].problem, CheckProblem::AreasOverlap);
    EXPECT_EQ(result.findings[0].message,
              "The database holds 6 TV and 2 radio channels, more than its 7 channel slots: TV "
              "and radio channels would overlap.");
}

TEST(DatabaseCheck, ChannelOnATransponderBeyondTheImageIsAnError) {
    auto db = SampleDatabase(3, 4);  // room for 4000 transponders
    for (std::size_t i = 4; i < 2100; ++i) db->transponders[i] = Transponder(1, 10000, 0);
    db->header.TpCount = 2100;
    db->Tv(5).TpNumber = 2048;
    const CheckResult result = CheckDatabase(*db);
    ASSERT_EQ(result.errors, 1u);
    EXPECT_EQ(result.findings[0].problem, CheckProblem::TransponderNumberTooLarge);
    EXPECT_EQ(result.findings[0].message,
              "TV channel 6 \"RAI 2\" is on transponder 2048; the image can hold transponder "
              "numbers up to 2047 only.");

    db->Tv(5).TpNumber = 1;
    db->Radio(1).TpNumber = 2100;
    EXPECT_EQ(CheckDatabase(*db).findings.at(0).message,
              "Radio channel 2 \"Radio 2\" is on transponder 2100; the image can hold "
              "transponder numbers up to 2047 only.");
}

TEST(DatabaseCheck, EachDuplicateNamesTheFirstOfItsGroupAcrossBothLists) {
    auto db = SampleDatabase();
    db->Tv(3) = Channel("RTL copy", 2, 3, false);     // repeats TV channel 3
    db->Radio(0) = Channel("RTL radio", 2, 3, true);  // so does this one
    const CheckResult result = CheckDatabase(*db);
    std::vector<RecordRef> duplicates, originals;
    for (const CheckFinding& f : result.findings) {
        if (f.problem != CheckProblem::DuplicateChannel) continue;
        duplicates.push_back(f.record);
        ASSERT_EQ(f.related.size(), 1u);
        originals.push_back(f.related[0]);
    }
    const RecordRef tv3{RecordKind::TvChannel, 2, 2};
    EXPECT_EQ(duplicates, (std::vector<RecordRef>{{RecordKind::TvChannel, 3, 3},
                                                  {RecordKind::RadioChannel, 0, 3999}}));
    EXPECT_EQ(originals, (std::vector<RecordRef>{tv3, tv3}));
}

TEST(DatabaseCheck, ListsErrorsFirstEachInRecordOrderAndSumsUp) {
    auto db = SampleDatabase();
    SetName(db->Tv(0).Name, "");  // warning, TV 1
    db->Radio(0).TpNumber = 9;    // error, radio 1
    db->transponders[1].Sat = 0;  // error, transponder 2
    db->Tv(5).ServiceID = 5;      // warning, TV 6 repeats TV 5 once it is on
    db->Tv(5).TpNumber = 3;       // the same transponder
    const CheckResult result = CheckDatabase(*db);
    EXPECT_EQ(Report(result),
              "error: Transponder 2 (12188 H) belongs to satellite 0, which does not exist (there "
              "are 2 satellites).\n"
              "error: Radio channel 1 \"Radio 1\" is on transponder 9, which does not exist (there "
              "are 4 transponders).\n"
              "warning: TV channel 1 has no name.\n"
              "warning: TV channel 6 \"RAI 2\" duplicates TV channel 5 \"RAI 1\" (transponder 3, "
              "Service ID 5).\n"
              "2 errors, 2 warnings\n");
}

TEST(DatabaseCheck, DefaultChannelBlockIsCheckedOnlyWhenItIsWrittenByTheLimitSendGoesBy) {
    // 16M bits, 4 sectors: the default-channel block, laid out with the user block's
    // capacities, has room for 1092 channels only, fewer than its limit of 1600. Send writes
    // the default channels only when they fit both, and the check names the smaller.
    auto db = SampleDatabase(3, 4);
    for (uint16_t row = 6; row < 1100; ++row) {
        db->Tv(row) = Channel("More", static_cast<uint16_t>(1 + row % 4), row + 100, false);
    }
    db->header.TvCount = 1100;
    auto errors = [&](ImageKind target) {
        std::vector<CheckProblem> problems;
        for (const CheckFinding& f : CheckDatabase(*db, target).findings) {
            if (f.Severity() == CheckSeverity::Error) problems.push_back(f.problem);
        }
        return problems;
    };
    EXPECT_TRUE(errors(ImageKind::User).empty());
    EXPECT_EQ(errors(ImageKind::All), std::vector{CheckProblem::CountAboveCapacity});
    EXPECT_EQ(errors(ImageKind::Default), std::vector{CheckProblem::CountAboveCapacity});
    EXPECT_NE(Report(CheckDatabase(*db, ImageKind::All))
                  .find("The default-channel block holds at most 1092 channels, fewer than the "
                        "1102 in the database."),
              std::string::npos);
    EXPECT_FALSE(image::DefaultBlockHolds(db->header));
    db->header.TvCount = 1090;  // 1092 with the radio channels: Send writes them, no error
    EXPECT_TRUE(errors(ImageKind::All).empty());
    EXPECT_TRUE(image::DefaultBlockHolds(db->header));
    db->header.TvCount = 1100;

    db->header.DefaultSatCapacity = 1;
    db->header.DefaultChannelCapacity = 1000;
    const CheckResult result = CheckDatabase(*db, ImageKind::Default);
    EXPECT_EQ(Problems(result).size(), 2u) << Report(result);
    EXPECT_NE(Report(result).find("The default-channel block holds at most 1000 channels, fewer "
                                  "than the 1102 in the database."),
              std::string::npos)
        << Report(result);
}

TEST(DatabaseCheck, CountsBeyondTheTablesAreReportedWithoutReadingPastThem) {
    auto db = SampleDatabase();
    DatabaseHeader& h = db->header;
    h.TpCount = 65535;
    h.TvCount = 65535;
    h.RadioCount = 65535;
    h.ChannelCapacity = 65535;
    const CheckResult result = CheckDatabase(*db);
    ASSERT_GE(result.errors, 3u);
    EXPECT_EQ(result.findings[0].problem, CheckProblem::CapacityAboveLimit);
    EXPECT_EQ(result.findings[1].problem, CheckProblem::CountAboveCapacity);
    EXPECT_EQ(result.findings[2].problem, CheckProblem::AreasOverlap);
}

TEST(DatabaseCheck, NamesStayOnOneLineOfTheReport) {
    auto db = SampleDatabase();
    SetName(db->Tv(0).Name, "A\nB\xE9");
    db->Tv(0).TpNumber = 0;
    const CheckResult result = CheckDatabase(*db);
    ASSERT_FALSE(result.findings.empty());
    EXPECT_NE(result.findings[0].message.English().find("\"A\\x0AB\xC3\xA9\""), std::string::npos)
        << result.findings[0].message;
}

}  // namespace
}  // namespace zev
