#include <gtest/gtest.h>

#include "FakeRunHost.h"
#include "database/FlashLayout.h"

namespace zev::test {
namespace {

class SendSettingsRunTest : public ::testing::Test {
  protected:
    // "8M bits", "1 Sector": user area 0x10000 at 0xF0000, default area 0x10000 at 0xE0000.
    void SetUp() override {
        UpdateFlashLayout(rig.db->header, 2, 1);
        rig.db->Loaded = true;
        rig.db->header.SatCount = 1;
        rig.db->header.TpCount = 1;
        rig.db->header.TvCount = 2;
        rig.db->transponders[0].Sat = 1;
        rig.db->channels[0].TpNumber = 1;
        rig.db->channels[1].TpNumber = 1;
    }
    void Start(std::initializer_list<MsgAnswer> answers) {
        rig.host.answers.assign(answers);
        rig.session.SendSettingToBox(rig.file);
    }
    // Sign, hello, ready and go: the header is out, the box's first SYNC is next.
    void ReachData() { rig.Feed(Concat({{0xCC}, kHello, kReady, {0xCD}})); }
    std::vector<uint8_t> Output(std::size_t length) const {
        return {rig.images->output.begin(), rig.images->output.begin() + length};
    }
    // Every block after its SYNC, then the box's verdicts.
    std::vector<uint8_t> SendAll(int blocks) {
        for (int i = 0; i < blocks; ++i) {
            rig.Feed(kSync);
        }
        return rig.host.TakeSent();
    }

    SessionRig rig;
};

TEST_F(SendSettingsRunTest, NoSendsTheUserAreaInBlocksEachAfterItsSync) {
    Start({MsgAnswer::No});
    EXPECT_EQ(rig.host.messages[0].text, "Modify Default Channels the same?");
    EXPECT_EQ(rig.host.messages[0].caption, "Send Channels Data");
    EXPECT_EQ(rig.host.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(rig.host.terminalShown, 1);
    EXPECT_NE(rig.host.text.find("\nCOM1 is open!\nWait for starting send data to box =>"),
              std::string::npos);
    EXPECT_EQ(rig.host.TakeSent(), std::vector<uint8_t>{0xCC});
    ReachData();
    EXPECT_EQ(
        rig.host.TakeSent(),
        Concat({{0x55}, kHelloAnswer, {0xCD}, {0x02}, Le32(0xF0000), Le32(0x10000), {4}, {0x03}}));
    EXPECT_NE(rig.host.TakeText().find("\nStart send parameters... \n"), std::string::npos);
    rig.Feed(kSync);
    EXPECT_EQ(rig.host.sent.size(), 8192u);  // one block per SYNC
    const std::vector<uint8_t> sent = Concat({rig.host.TakeSent(), SendAll(7)});
    const std::vector<uint8_t> image = Output(0x10000);
    EXPECT_EQ(sent, Concat({image, Le32(WordSum(image))}));
    EXPECT_EQ(CountOf(rig.host.text, "..."), 8u);
    rig.Feed({0x1B, 0x02, 0x05, 0x03});
    EXPECT_EQ(rig.host.TakeSent(), std::vector<uint8_t>{0x1B});
    rig.Feed({0x00, 0xAA});
    EXPECT_NE(rig.host.text.find("\nSend Param Data Success!\nCOM1 has been closed!"),
              std::string::npos);
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::SendSettings, true));
    EXPECT_FALSE(rig.host.linkOpen);
}

TEST_F(SendSettingsRunTest, SendStoppedAfterItsFirstBlockSaysTheUpdateIsIncomplete) {
    Start({MsgAnswer::No});
    ReachData();
    rig.Feed(kSync);
    rig.host.TakeText();
    rig.session.StopUpdate();
    EXPECT_EQ(rig.host.text, std::string("\nCOM1 has been closed!") + kIncompleteUpdateLine);
    EXPECT_EQ(rig.host.outcomes.back().end, RunEnd::Stopped);
}

TEST_F(SendSettingsRunTest, YesWithFittingChannelsSendsBothAreasAndCopiesTheCounts) {
    Start({MsgAnswer::Yes});
    ReachData();
    const std::vector<uint8_t> sent = rig.host.TakeSent();
    EXPECT_EQ(std::vector<uint8_t>(sent.end() - 11, sent.end()),
              Concat({{0x02}, Le32(0xE0000), Le32(0x20000), {2}, {0x03}}));
    EXPECT_EQ(rig.db->header.DefaultTvCount, 2);
    EXPECT_EQ(rig.db->header.DefaultSatCount, 1);
}

TEST_F(SendSettingsRunTest, TooManyForTheDefaultAreaAsksAgain) {
    rig.db->header.DefaultSatCapacity = 0;  // the one satellite does not fit
    Start({MsgAnswer::Yes, MsgAnswer::Yes});
    EXPECT_EQ(rig.host.messages[1].text, "Too much channels, cancel modify default channels ?");
    ReachData();
    const std::vector<uint8_t> sent = rig.host.TakeSent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2], 4);  // user area only
    EXPECT_EQ(rig.db->header.DefaultSatCount, 0);
}

TEST_F(SendSettingsRunTest, TooManyAndNoCancelsTheSend) {
    rig.db->header.DefaultTpCapacity = 0;
    Start({MsgAnswer::Yes, MsgAnswer::No});
    ASSERT_EQ(rig.host.messages.size(), 3u);
    EXPECT_EQ(rig.host.messages[2].text, "Too much default chnnels, only cancel this SEND!");
    EXPECT_EQ(rig.host.messages[2].caption, "zev");
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_FALSE(rig.host.linkOpen);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

TEST_F(SendSettingsRunTest, DefaultBlockWithLessRoomThanItsLimitCountsAsTooMany) {
    // "16M bits", "3 Sectors": the default block has room for 1377 channels, not 1600.
    UpdateFlashLayout(rig.db->header, 3, 3);
    rig.db->header.TvCount = 1378;
    for (int i = 0; i < 1378; ++i) {
        rig.db->channels[i].TpNumber = 1;
    }
    Start({MsgAnswer::Yes, MsgAnswer::No});
    EXPECT_EQ(rig.host.messages.back().text, "Too much default chnnels, only cancel this SEND!");
    rig.db->header.TvCount = 1377;
    rig.host.messages.clear();
    Start({MsgAnswer::Yes});
    EXPECT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::SendSettings);
}

TEST_F(SendSettingsRunTest, CancelOrAMissingOrWrongFileSendsNothing) {
    Start({MsgAnswer::Cancel});
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    rig.file = "list.txt";
    rig.session.SendSettingToBox(rig.file);
    EXPECT_EQ(rig.host.messages.back().text, "Input file is invalid, exit!");
    rig.file = "*.*";
    rig.db->Loaded = false;
    rig.session.SendSettingToBox(rig.file);
    EXPECT_EQ(rig.host.messages.back().text, "Please open transfer data file!");
    EXPECT_EQ(rig.host.messages.back().caption, "Warning");
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_FALSE(rig.host.linkOpen);
    rig.file = "chosen.stc";
    Start({MsgAnswer::No});
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::SendSettings);
}

TEST_F(SendSettingsRunTest, HostConfirmsTheImageKindAfterTheQuestionsAndMayStopTheSend) {
    Start({MsgAnswer::No});
    rig.session.StopUpdate();
    Start({MsgAnswer::Yes});
    rig.session.StopUpdate();
    rig.db->header.DefaultSatCapacity = 0;  // too many for the default area: user area alone
    Start({MsgAnswer::Yes, MsgAnswer::Yes});
    rig.session.StopUpdate();
    EXPECT_EQ(rig.host.confirmedKinds,
              (std::vector<ImageKind>{ImageKind::User, ImageKind::All, ImageKind::User}));

    UpdateFlashLayout(rig.db->header, 2, 1);
    rig.db->header.DefaultSatCount = rig.db->header.DefaultTvCount = 0;
    const DatabaseHeader before = rig.db->header;
    rig.host.TakeSent();
    rig.host.outcomes.clear();
    rig.host.declineImage = true;
    const int terminalShown = rig.host.terminalShown;
    Start({MsgAnswer::Yes});
    EXPECT_EQ(rig.db->header, before);  // the default counts are not taken over
    EXPECT_EQ(rig.host.terminalShown, terminalShown);
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    ASSERT_EQ(rig.host.outcomes.size(), 1u);
    EXPECT_EQ(rig.host.outcomes[0].end, RunEnd::Refused);
    EXPECT_EQ(rig.host.outcomes[0].reason, RunReason::Cancelled);
}

TEST_F(SendSettingsRunTest, DatabaseThatCannotBePackedIsRefusedBeforeAnythingIsSent) {
    rig.db->channels[1].TpNumber = 2048;
    const DatabaseHeader before = rig.db->header;
    Start({MsgAnswer::Yes});
    ASSERT_EQ(rig.host.messages.size(), 2u);
    EXPECT_EQ(rig.host.messages[1].caption, "Warning");
    EXPECT_NE(rig.host.text.find("\n" + rig.host.messages[1].text), std::string::npos);
    EXPECT_EQ(rig.db->header, before);  // the default counts are not kept
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

// Refused before the host is asked to send it anyway: no answer would let it go.
TEST_F(SendSettingsRunTest, FlashSizesThatAreNotWholeBlocksAreRefused) {
    rig.db->header.UserBlockSize = 0x10001;
    Start({MsgAnswer::No});
    EXPECT_EQ(rig.host.messages.back().caption, "Warning");
    EXPECT_EQ(rig.host.messages.back().text,
              "The user block of 65537 bytes is not whole flash blocks of 8192 bytes; the "
              "receiver takes no other.");
    EXPECT_TRUE(rig.host.confirmedKinds.empty());
    EXPECT_TRUE(rig.host.sent.empty());
    rig.db->header.UserBlockSize = 0x60000;
    Start({MsgAnswer::No});
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST_F(SendSettingsRunTest, BoxErrorsEndTheRunWithTheirLines) {
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> cases = {
        {{0x02, 0x17, 0x03}, "\nError Connect!"},
        {Concat({kSync, kSync, {0x07}}), "\nCHECKSUM Error!"},
        {Concat({kSync, kSync, {0x09}}), "\nTransfer Error!"},
        {Concat({kSync, kSync, {0x1B, 0x02, 0x06, 0x03}}), "\nTransfer Error!"},
        {Concat({kSync, kSync, {0x1B, 0x02, 0x05, 0x03, 0x01, 0x08}}), "\nwrite flash error!"},
    };
    for (const auto& [bytes, line] : cases) {
        SessionRig fresh;
        UpdateFlashLayout(fresh.db->header, 2, 1);
        fresh.db->header.UserBlockSize = 0x4000;  // two blocks
        fresh.db->Loaded = true;
        fresh.host.answers = {MsgAnswer::No};
        fresh.session.SendSettingToBox(fresh.file);
        fresh.Feed(Concat({{0xCC}, kHello, kReady, {0xCD}}));
        fresh.host.TakeText();
        fresh.Feed(bytes);
        EXPECT_EQ(fresh.host.text.substr(fresh.host.text.find_last_of('\n')), line);
        EXPECT_EQ(fresh.session.Mode(), ProtocolMode::Idle) << line;
        EXPECT_EQ(fresh.host.finished.back(), std::make_pair(ProtocolMode::SendSettings, false));
    }
}

}  // namespace
}  // namespace zev::test
