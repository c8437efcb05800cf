// How commands end, as the host hears it: callers (zev-cli's exit status) decide by the typed
// outcome and by the identity of the questions, never by the texts shown.
#include <gtest/gtest.h>

#include <functional>

#include "FakeRunHost.h"
#include "database/FlashLayout.h"

namespace zev::test {
namespace {

const std::string kSatLine = "S:09750,U,0,10600,0,0,0,2,SAT1\n";

RunOutcome Refused(ProtocolMode mode, RunReason reason) {
    return {.mode = mode, .end = RunEnd::Refused, .reason = reason};
}

// A database that Send Setting to Box can pack: one satellite, transponder and TV channel.
void LoadSmallDatabase(ChannelDatabase& db) {
    UpdateFlashLayout(db.header, 2, 1);
    db.Loaded = true;
    db.header.SatCount = 1;
    db.header.TpCount = 1;
    db.header.TvCount = 1;
    db.transponders[0].Sat = 1;
    db.channels[0].TpNumber = 1;
}

TEST(RunOutcomeTest, EveryRefusalNamesItsReasonAndSendsNothing) {
    struct Case {
        std::function<void(SessionRig&)> command;
        RunOutcome expected;
    };
    const std::vector<Case> cases = {
        {[](SessionRig& r) { r.session.UpdateParameters("*.*"); },
         Refused(ProtocolMode::UpdateParameters, RunReason::NoFileChosen)},
        {[](SessionRig& r) { r.session.UpdateSoftware(WriteTempFile("soft.CUS", "abc")); },
         Refused(ProtocolMode::UpdateSoftware, RunReason::WrongExtension)},
        {[](SessionRig& r) { r.session.OtaSoftwareUpdate(ProcessTempDir() + "absent.sgn"); },
         Refused(ProtocolMode::OtaUpdate, RunReason::FileUnreadable)},
        {[](SessionRig& r) { r.session.UpdateParameters(WriteTempFile("none.txt", "x\n")); },
         Refused(ProtocolMode::UpdateParameters, RunReason::FileInvalid)},
        {[](SessionRig& r) { r.session.UpdateSoftware(WriteTempFile("empty.cus", "")); },
         Refused(ProtocolMode::UpdateSoftware, RunReason::FileInvalid)},
        {[](SessionRig& r) {
             r.host.openFails = true;
             r.session.UpdateParameters(WriteTempFile("one.txt", kSatLine));
         },
         Refused(ProtocolMode::UpdateParameters, RunReason::LinkUnavailable)},
        {[](SessionRig& r) {
             LoadSmallDatabase(*r.db);
             r.host.answers = {MsgAnswer::Cancel};
             r.session.SendSettingToBox("*.*");
         },
         Refused(ProtocolMode::SendSettings, RunReason::Cancelled)},
        {[](SessionRig& r) {
             LoadSmallDatabase(*r.db);
             r.db->header.SatCount = 200;  // more than the default area's 100
             r.host.answers = {MsgAnswer::Yes, MsgAnswer::No};
             r.session.SendSettingToBox("*.*");
         },
         Refused(ProtocolMode::SendSettings, RunReason::DefaultAreaTooSmall)},
    };
    for (const Case& c : cases) {
        SessionRig rig;
        c.command(rig);
        ASSERT_EQ(rig.host.outcomes.size(), 1u) << rig.host.text;
        EXPECT_EQ(rig.host.outcomes[0], c.expected) << rig.host.text;
        EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
        EXPECT_TRUE(rig.host.sent.empty());
    }
}

TEST(RunOutcomeTest, SuccessResultAfterTheRunsOwnErrorLineIsAFailure) {
    // The box stops the transfer after the first block, then reports success.
    SessionRig rig;
    rig.session.UpdateSoftware(WriteTempFile("big.cus", std::string(9000, 'x')));
    rig.Feed(Concat({{0x0F}, kHello, kReady, {0x02, 0x17, 0x03, 0x1B, 0x02, 0x05, 0x03}}));
    EXPECT_NE(rig.host.text.find("\n  !Error: No SYNC Command!"), std::string::npos);
    EXPECT_NE(rig.host.text.find("\n<<Update Over!>>"), std::string::npos);
    ASSERT_EQ(rig.host.outcomes.size(), 1u);
    EXPECT_EQ(rig.host.outcomes[0], (RunOutcome{.mode = ProtocolMode::UpdateSoftware,
                                                .end = RunEnd::Failed,
                                                .reason = RunReason::NoSync}));
}

TEST(RunOutcomeTest, StopUpdateAndAnotherCommandStopTheActiveRun) {
    SessionRig rig;
    rig.session.LoadSettingFromBox();
    rig.session.LoadSettingFromBox();  // starts over
    rig.session.StopUpdate();
    ASSERT_EQ(rig.host.outcomes.size(), 2u);
    EXPECT_EQ(rig.host.outcomes[0].reason, RunReason::Restarted);
    EXPECT_EQ(rig.host.outcomes[1].reason, RunReason::StopUpdate);
    EXPECT_EQ(rig.host.outcomes[1].end, RunEnd::Stopped);
}

TEST(RunOutcomeTest, QuestionsReachTheHostByIdentity) {
    // A host that answers questions itself sees no question box at all.
    class AnsweringHost : public FakeRunHost {
      public:
        std::vector<RunQuestion> asked;
        MsgAnswer Ask(RunQuestion question) override {
            asked.push_back(question);
            return question == RunQuestion::ModifyDefaultChannels ? MsgAnswer::Yes : MsgAnswer::No;
        }
    };
    AnsweringHost host;
    auto db = std::make_unique<ChannelDatabase>();
    auto images = std::make_unique<ImageBuffers>();
    LoadSmallDatabase(*db);
    db->header.SatCount = 200;
    ReceiverSession session(host, *db, *images);
    session.SendSettingToBox("*.*");
    EXPECT_EQ(host.asked, (std::vector<RunQuestion>{RunQuestion::ModifyDefaultChannels,
                                                    RunQuestion::TooManyChannels}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Too much default chnnels, only cancel this SEND!");
    // The desktop program shows each question as its box, worded as ever.
    const QuestionWording modify = WordingOf(RunQuestion::ModifyDefaultChannels);
    EXPECT_STREQ(modify.text, "Modify Default Channels the same?");
    EXPECT_EQ(modify.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(modify.defaultAnswer, MsgAnswer::Cancel);
}

TEST(RunOutcomeTest, MalformedLinesAreShownBeforeTheRunStarts) {
    std::string bad = kSatLine;
    bad[17] = '.';
    SessionRig rig;
    rig.file = WriteTempFile("bad.txt", kSatLine + bad + bad + "T:11778,V,0,00,001,27500,01070\n");
    rig.session.UpdateParameters(rig.file);
    ASSERT_EQ(rig.session.Mode(), ProtocolMode::UpdateParameters);
    EXPECT_NE(rig.host.text.find("' Open! \n S: 1 line error!\n S: 2 line error!\n COM1 is open!"),
              std::string::npos)
        << rig.host.text;
    ASSERT_EQ(rig.host.malformedLines.size(), 2u);
    EXPECT_EQ(rig.host.malformedLines[0].first, rig.file);
    EXPECT_EQ(rig.host.malformedLines[1].second, (MalformedLine{.kind = 'S', .index = 2}));
    // What is sent stays as it was: the malformed lines count, their records stay empty.
    rig.Feed(Concat({{0x0E}, kHello, kReady}));
    EXPECT_EQ(rig.host.sent.size(), 1u + 4 + 4 + 4 + (54 + 3 * 18 + 8) + 4);
    EXPECT_NE(rig.host.text.find("\n  S:[3]\n  T:[1]"), std::string::npos);
}

}  // namespace
}  // namespace zev::test
