// Backups before a send, verification after it and Verify Box Settings: each is the existing
// load or send run, chained, and none of them touches the database in memory.
#include <gtest/gtest.h>

#include "FakeRunHost.h"
#include "database/FlashLayout.h"
#include "protocols/SettingsSafeguards.h"

namespace zev::test {
namespace {

class SettingsSafeguardsTest : public ::testing::Test {
  protected:
    // The database in memory is the small block, as File Open would have left it.
    void SetUp() override {
        ASSERT_TRUE(UnpackImage(*rig.db, SmallUserBlock()).ok);
        rig.file = "channels.stc";
        rig.host.answers = {MsgAnswer::No};  // the user area only
    }
    // The box's side of Send Setting to Box for a user block of one 8192-byte block.
    void SendConversation() {
        rig.Feed(Concat({{0xCC}, kHello, kReady, {0xCD}, kSync}));
        rig.Feed({0x1B, 0x02, 0x05, 0x03, 0xAA});
    }

    SessionRig rig;
    SettingsSafeguards safeguards{rig.session, rig.host, *rig.images};
};

TEST_F(SettingsSafeguardsTest, VerifyBoxComparesWithoutTouchingTheDatabaseOrTheCurrentFile) {
    safeguards.VerifyBox(*rig.db);
    EXPECT_EQ(rig.host.TakeSent(), std::vector<uint8_t>{0xBB});
    rig.Feed(LoadConversation(SmallUserBlock()));
    EXPECT_EQ(rig.host.outcomes.back(),
              (RunOutcome{ProtocolMode::LoadSettings, RunEnd::Succeeded, RunReason::None}));
    EXPECT_NE(rig.host.text.find("\nGet Data Success!\nCOM1 has been closed!\nThe box holds the "
                                 "same settings as the channel list."),
              std::string::npos);
    ASSERT_FALSE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.messages.back().text,
              "The box holds the same settings as the channel list.");
    EXPECT_EQ(rig.host.messages.back().icon, MsgIcon::Information);
    EXPECT_EQ(rig.host.tvListShown, 0);
    EXPECT_EQ(rig.host.dataFileForgotten, 0);
    EXPECT_FALSE(rig.host.linkOpen);
}

TEST_F(SettingsSafeguardsTest, VerifyBoxNamesTheRecordsThatDifferAndKeepsTheDatabase) {
    safeguards.VerifyBox(*rig.db);
    rig.Feed(LoadConversation(SmallUserBlock("CH2")));
    EXPECT_EQ(rig.host.outcomes.back(),
              (RunOutcome{ProtocolMode::LoadSettings, RunEnd::Failed, RunReason::NotVerified}));
    EXPECT_NE(rig.host.text.find("\nThe box's settings differ from the channel list:\n  TV "
                                 "channel 1 \"CH2\": Name \"CH1\" -> \"CH2\""),
              std::string::npos)
        << rig.host.text;
    EXPECT_NE(rig.host.messages.back().text.find("Name \"CH1\" -> \"CH2\""), std::string::npos);
    EXPECT_STREQ(rig.db->channels[0].Name.data(), "CH1");
    EXPECT_EQ(rig.host.tvListShown, 0);
}

TEST_F(SettingsSafeguardsTest, VerifyBoxWithoutSettingsInMemorySendsNothing) {
    rig.db = std::make_unique<ChannelDatabase>();
    SettingsSafeguards fresh(rig.session, rig.host, *rig.images);
    fresh.VerifyBox(*rig.db);
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_EQ(rig.host.outcomes.back().end, RunEnd::Refused);
    EXPECT_FALSE(rig.host.linkOpen);
}

TEST_F(SettingsSafeguardsTest, BackupIsSavedBeforeAnythingIsSent) {
    std::vector<uint8_t> saved;
    safeguards.Send(rig.file, {.backup = [&](std::span<const uint8_t> block) {
                        saved.assign(block.begin(), block.end());
                        return true;
                    }});
    // The questions come first; then the box's block is asked for, not sent to.
    EXPECT_EQ(rig.host.messages.front().text, "Modify Default Channels the same?");
    EXPECT_EQ(rig.host.TakeSent(), std::vector<uint8_t>{0xBB});
    const std::vector<uint8_t> boxBlock = SmallUserBlock("OLD");
    rig.Feed(LoadConversation(boxBlock));
    EXPECT_EQ(saved, boxBlock);
    EXPECT_TRUE(rig.host.outcomes.empty());  // one report, for the whole command
    const std::vector<uint8_t> afterLoad = rig.host.TakeSent();
    ASSERT_FALSE(afterLoad.empty());
    EXPECT_EQ(afterLoad.back(), 0xCC);
    SendConversation();
    EXPECT_EQ(rig.host.outcomes, (std::vector<RunOutcome>{{ProtocolMode::SendSettings,
                                                           RunEnd::Succeeded, RunReason::None}}));
    EXPECT_STREQ(rig.db->channels[0].Name.data(), "CH1");
}

TEST_F(SettingsSafeguardsTest, BackupThatCannotBeSavedOrLoadedSendsNothing) {
    safeguards.Send(rig.file, {.backup = [](std::span<const uint8_t>) { return false; }});
    rig.Feed(LoadConversation(SmallUserBlock()));
    EXPECT_EQ(rig.host.outcomes.back(), (RunOutcome{ProtocolMode::SendSettings, RunEnd::Refused,
                                                    RunReason::BackupUnwritable}));
    EXPECT_NE(rig.host.text.find("nothing is sent"), std::string::npos);

    // A block that fails its checksum is never handed to the saver.
    SessionRig other;
    ASSERT_TRUE(UnpackImage(*other.db, SmallUserBlock()).ok);
    other.host.answers = {MsgAnswer::No};
    SettingsSafeguards checked(other.session, other.host, *other.images);
    bool asked = false;
    checked.Send("channels.stc",
                 {.backup = [&](std::span<const uint8_t>) { return asked = true; }});
    const std::vector<uint8_t> block = SmallUserBlock();
    other.Feed(Concat(
        {{0xBB}, kHello, kReady, HeaderFrame(8192, 0xE0000), block, Le32(WordSum(block) + 1)}));
    EXPECT_FALSE(asked);
    EXPECT_EQ(other.host.outcomes.back().reason, RunReason::ChecksumRefused);
    for (const std::vector<uint8_t>& sent = other.host.sent; uint8_t byte : sent) {
        EXPECT_NE(byte, 0xCC);
    }
}

TEST_F(SettingsSafeguardsTest, VerifiedSendLoadsTheUserBlockBackAndComparesIt) {
    for (const bool corrupted : {false, true}) {
        SCOPED_TRACE(corrupted ? "the box keeps another block" : "the box keeps what was sent");
        SessionRig run;
        ASSERT_TRUE(UnpackImage(*run.db, SmallUserBlock()).ok);
        run.host.answers = {MsgAnswer::No};
        SettingsSafeguards verified(run.session, run.host, *run.images);
        verified.Send("channels.stc", {.backup = nullptr, .verify = true});
        run.Feed(Concat({{0xCC}, kHello, kReady, {0xCD}, kSync}));
        run.Feed({0x1B, 0x02, 0x05, 0x03, 0xAA});
        EXPECT_TRUE(run.host.outcomes.empty());
        ASSERT_FALSE(run.host.sent.empty());
        EXPECT_EQ(run.host.sent.back(), 0xBB);  // the load that verifies
        std::vector<uint8_t> held(run.images->output.begin(), run.images->output.begin() + 8192);
        if (corrupted) held = SmallUserBlock("CHX");
        run.Feed(LoadConversation(held));
        ASSERT_EQ(run.host.outcomes.size(), 1u);
        if (corrupted) {
            EXPECT_EQ(run.host.outcomes[0].reason, RunReason::NotVerified);
            EXPECT_NE(run.host.text.find("\nVerify Failed! The box's settings differ from those "
                                         "sent:\n  TV channel 1 \"CHX\""),
                      std::string::npos)
                << run.host.text;
        } else {
            EXPECT_EQ(run.host.outcomes[0].end, RunEnd::Succeeded);
            EXPECT_NE(run.host.text.find("\nVerify Success!"), std::string::npos);
        }
    }
}

TEST_F(SettingsSafeguardsTest, FailedSendIsNotFollowedByAVerification) {
    safeguards.Send(rig.file, {.backup = nullptr, .verify = true});
    rig.Feed(Concat({{0xCC}, kHello, kReady, {0xCD}, kSync, {0x07}}));
    EXPECT_EQ(rig.host.outcomes.back(),
              (RunOutcome{ProtocolMode::SendSettings, RunEnd::Failed, RunReason::ChecksumRefused}));
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

}  // namespace
}  // namespace zev::test
