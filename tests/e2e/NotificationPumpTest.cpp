// NotificationPump on a pseudo-terminal: the terminal rules see the bytes in order, nothing
// is read while paused, and a lost device reaches the session.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "e2e/PtyPair.h"
#include "link/LinkRunHost.h"
#include "link/NotificationPump.h"
#include "link/SerialLink.h"
#include "protocols/ReceiverSession.h"

namespace zev {
namespace {

class RecordingHost : public LinkRunHost, public EchoSink {
  public:
    using LinkRunHost::LinkRunHost;
    void AppendText(const std::string& text) override { terminal += text; }
    MsgAnswer Message(const Translatable&, const Translatable&, MsgIcon, MsgButtons,
                      MsgAnswer answer) override {
        return answer;
    }
    void InsertText(const std::string& text) override { terminal += text; }
    void DeleteLastChar() override {
        if (!terminal.empty()) terminal.pop_back();
    }
    void Beep() override {}
    void RunFinished(const RunOutcome& outcome) override { outcomes.push_back(outcome); }
    std::string terminal;
    std::vector<RunOutcome> outcomes;
};

class NotificationPumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::TestApp();
        ASSERT_TRUE(pty.ok());
        settings.portName = pty.SlavePath();
        ASSERT_TRUE(link.OpenPort());
    }

    test::PtyPair pty;
    LinkSettings settings;
    SerialLink link{settings};
    RecordingHost host{link};
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    ImageBuffers images;
    ReceiverSession session{host, *db, images};
    NotificationPump pump{link, session, host};
};

std::vector<uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

TEST_F(NotificationPumpTest, PausedBytesWaitAndArriveInOrderAfterResume) {
    bool paused = true;
    pump.SetPausedWhen([&] { return paused; });
    std::string expected;
    for (int i = 0; i < 30; ++i) expected += "line " + std::to_string(i) + " of the console\n";
    pty.Write(Text(expected));
    test::SpinUntil([] { return false; }, 300);
    EXPECT_EQ(host.terminal, "");
    paused = false;
    pump.Resume();
    ASSERT_TRUE(test::SpinUntil([&] { return host.terminal.size() >= expected.size(); }));
    EXPECT_EQ(host.terminal, expected);
}

TEST_F(NotificationPumpTest, BackspaceAcrossNotificationsRemovesTheCharacterBefore) {
    pty.Write(Text("AB\r\nC"));
    ASSERT_TRUE(test::SpinUntil([&] { return host.terminal == "AB\nC"; }));
    pty.Write(Text("\bD"));
    ASSERT_TRUE(test::SpinUntil([&] { return host.terminal == "AB\nD"; }));
}

TEST_F(NotificationPumpTest, LostDeviceIsReportedOnTheTerminalAndClosesTheLink) {
    pty.CloseMaster();
    ASSERT_TRUE(test::SpinUntil([&] { return !link.portConnected(); }));
    ASSERT_TRUE(test::SpinUntil(
        [&] { return host.terminal.find(settings.portName) != std::string::npos; }));
    EXPECT_FALSE(host.LinkOpen());
}

// A box that stops reading in the middle of a software update: the blocks it asks for pile
// up unsent, and the run ends with a failure instead of waiting for ever.
TEST_F(NotificationPumpTest, UpdateIntoABoxThatStopsReadingFailsInsteadOfWaiting) {
    constexpr int kBlocks = 40;  // far more than a pseudo-terminal buffers
    const std::string path = ::testing::TempDir() + "zev_stalled_update.cus";
    std::ofstream(path, std::ios::binary) << std::string(kBlocks * 8192, 'x');
    session.UpdateSoftware(path);
    ASSERT_EQ(session.Mode(), ProtocolMode::UpdateSoftware);
    // Sign, hello, ready frame, then a SYNC for every further block, never reading a byte.
    std::vector<uint8_t> box = {0x0F, 0x02, 0x01, 0x03, 0x02, 0x02};
    box.insert(box.end(), 8, 0);
    box.push_back(0x03);
    for (int i = 1; i < kBlocks; ++i) box.insert(box.end(), {0x02, 0x16, 0x03});
    pty.Write(box);
    ASSERT_TRUE(test::SpinUntil([&] { return session.Mode() == ProtocolMode::Idle; },
                                5 * kWriteTimeoutMilliseconds));
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].reason, RunReason::WriteFailed);
    EXPECT_NE(host.terminal.find("\nSending to " + settings.portName + " failed: "),
              std::string::npos)
        << host.terminal;
    EXPECT_EQ(host.terminal.rfind(kIncompleteUpdateLine),
              host.terminal.size() - std::string(kIncompleteUpdateLine).size());
    EXPECT_FALSE(link.portConnected());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace zev
