// NotificationPump on a pseudo-terminal: the terminal rules see the bytes in order, nothing
// is read while paused, and a lost device reaches the session.
#include <gtest/gtest.h>

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
    MsgAnswer Message(const std::string&, const std::string&, MsgIcon, MsgButtons,
                      MsgAnswer answer) override {
        return answer;
    }
    void InsertText(const std::string& text) override { terminal += text; }
    void DeleteLastChar() override {
        if (!terminal.empty()) terminal.pop_back();
    }
    void Beep() override {}
    std::string terminal;
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

}  // namespace
}  // namespace zev
