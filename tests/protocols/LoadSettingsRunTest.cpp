#include <gtest/gtest.h>

#include "FakeRunHost.h"

namespace zev::test {
namespace {

class LoadSettingsRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.session.LoadSettingFromBox();
        ASSERT_EQ(rig.session.Mode(), ProtocolMode::LoadSettings);
    }
    // Sign, hello, ready: the run has asked for the data.
    void ReachHeader() {
        rig.Feed(Concat({{0xBB}, kHello, kReady}));
        rig.host.TakeSent();
        rig.host.TakeText();
    }
    // The whole exchange for `data` with the checksum the box gives.
    void Transfer(const std::vector<uint8_t>& data, uint32_t checksum) {
        ReachHeader();
        rig.Feed(HeaderFrame(static_cast<uint32_t>(data.size()), 0xE0000));
        rig.Feed(data);
        rig.Feed(Le32(checksum));
    }
    void SendResult() { rig.Feed({0x1B, 0x02, 0x05, 0x03}); }

    SessionRig rig;
};

TEST_F(LoadSettingsRunTest, CommandAsksTheBoxAndHandshakeFollows) {
    EXPECT_NE(rig.host.text.find("\nCOM1 is open!\nWait for starting get box data =>"),
              std::string::npos);
    EXPECT_EQ(rig.host.TakeSent(), std::vector<uint8_t>{0xBB});
    rig.Feed({0x00, 0xBB});
    rig.Feed(kHello);
    rig.Feed(kReady);
    EXPECT_EQ(rig.host.TakeSent(), Concat({{0x55}, kHelloAnswer, {0xBC}}));
    EXPECT_NE(rig.host.text.find("\nStart receive parameters... "), std::string::npos);
}

TEST_F(LoadSettingsRunTest, OneBlockIsAskedForOnceAndReplacesTheDatabase) {
    const std::vector<uint8_t> block = SmallUserBlock();
    Transfer(block, WordSum(block));
    EXPECT_EQ(rig.host.TakeSent(), Concat({kSync, {0x1B}}));
    EXPECT_EQ(CountOf(rig.host.text, "..."), 1u);
    EXPECT_NE(rig.host.text.find("\nLength: 0x2000 Address: 0xe0000\n"), std::string::npos);
    EXPECT_FALSE(rig.db->Loaded);
    SendResult();
    EXPECT_NE(rig.host.text.find("\nGet Data Success!\nCOM1 has been closed!"), std::string::npos);
    EXPECT_FALSE(rig.host.linkOpen);
    EXPECT_TRUE(rig.db->Loaded);
    EXPECT_STREQ(rig.db->satellites[0].Name.data(), "ASTRA");
    EXPECT_EQ(rig.db->header.TvCount, 1);
    EXPECT_EQ(rig.host.tvListShown, 1);
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::LoadSettings, true));
}

TEST_F(LoadSettingsRunTest, TwoBlocksAreEachAskedFor) {
    std::vector<uint8_t> data = SmallUserBlock();
    data.resize(10000, 0x5A);
    Transfer(data, WordSum(data));
    EXPECT_EQ(rig.host.TakeSent(), Concat({kSync, kSync, {0x1B}}));
    EXPECT_EQ(CountOf(rig.host.text, "..."), 2u);
    SendResult();
    EXPECT_TRUE(rig.db->Loaded);
}

TEST_F(LoadSettingsRunTest, OddLengthChecksumEndsWithAnFfWord) {
    std::vector<uint8_t> data = SmallUserBlock();
    data.push_back(0x42);
    Transfer(data, WordSum(data));
    EXPECT_EQ(rig.host.sent.back(), 0x1B);
}

TEST_F(LoadSettingsRunTest, RefusedChecksumLeavesTheDatabaseUntouched) {
    const std::vector<uint8_t> block = SmallUserBlock();
    Transfer(block, WordSum(block) + 1);
    EXPECT_EQ(rig.host.sent.back(), 0x07);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    SendResult();
    EXPECT_FALSE(rig.db->Loaded);
    EXPECT_EQ(rig.db->header.SatCount, 0);
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::LoadSettings, false));
}

TEST_F(LoadSettingsRunTest, LengthOutsideTheInputBufferIsRefused) {
    for (uint32_t length : {0u, 0x40001u, 0xFFFFFFFFu}) {
        SessionRig fresh;
        fresh.session.LoadSettingFromBox();
        fresh.Feed(Concat({{0xBB}, kHello, kReady}));
        fresh.host.TakeSent();
        fresh.Feed(HeaderFrame(length, 0));
        EXPECT_TRUE(fresh.host.sent.empty()) << length;  // no SYNC: nothing is asked for
        EXPECT_NE(fresh.host.text.find("doesn't fit the input buffer"), std::string::npos);
        EXPECT_EQ(fresh.session.Mode(), ProtocolMode::Idle);
        fresh.Feed(std::vector<uint8_t>(100, 0xEE));
        EXPECT_EQ(fresh.images->input[0], 0);
    }
}

TEST_F(LoadSettingsRunTest, ImageThatUnpackingRefusesLeavesTheDatabaseUntouched) {
    std::vector<uint8_t> block = SmallUserBlock();
    block[48] = 0x02;  // the header's user block size now says 0x20000 bytes
    Transfer(block, WordSum(block));
    SendResult();
    EXPECT_NE(rig.host.text.find("\nGet Data Success!"), std::string::npos);
    EXPECT_NE(rig.host.text.find("shorter than"), std::string::npos);
    EXPECT_FALSE(rig.db->Loaded);
    EXPECT_EQ(rig.host.tvListShown, 0);
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::LoadSettings, false));
}

TEST_F(LoadSettingsRunTest, MalformedFramesEndTheRunWithTheirLines) {
    const std::vector<std::pair<std::vector<uint8_t>, std::string>> cases = {
        {{0x02, 0x01, 0x04}, "\nError Connect!"},
        {Concat({kHello, {0x03}}), "\n  Command format STX!"},
        {Concat({kHello, {0x02, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0x02}}), "\nCommand format ETX!"},
        {Concat({kHello, {0x02, 0x03, 0, 0, 0, 0, 0, 0, 0, 0, 0x03}}), "\nNot Expected Command!"},
        {Concat({kHello, kReady, {0x01}}), "\nCommand format STX1"},
        {Concat({kHello, kReady, std::vector<uint8_t>(17, 0x02), {0x04}}),
         "\nCommand format ETX1!"},
    };
    for (const auto& [bytes, line] : cases) {
        SessionRig fresh;
        fresh.session.LoadSettingFromBox();
        fresh.Feed({0xBB});
        fresh.host.TakeText();
        fresh.Feed(bytes);
        EXPECT_EQ(fresh.host.text.substr(fresh.host.text.size() - line.size()), line);
        EXPECT_EQ(fresh.session.Mode(), ProtocolMode::Idle) << line;
        EXPECT_TRUE(fresh.host.linkOpen);  // the link stays open until Stop Update
    }
}

TEST_F(LoadSettingsRunTest, WrongEndMarkerOrResultEndsTheRunSilently) {
    const std::vector<uint8_t> block = SmallUserBlock();
    Transfer(block, WordSum(block));
    rig.host.TakeText();
    rig.Feed({0x1C});
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_EQ(rig.host.text, "");
    EXPECT_FALSE(rig.db->Loaded);
}

}  // namespace
}  // namespace zev::test
