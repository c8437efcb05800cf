#include <gtest/gtest.h>

#include "FakeRunHost.h"
#include "protocols/TerminalFeed.h"

namespace zev::test {
namespace {

// The terminal as one string, shared with the run's AppendText so that order shows.
class TextSink : public EchoSink {
  public:
    explicit TextSink(std::string& text) : shown(text) {}
    std::string& shown;
    int beeps = 0;
    int inserts = 0;
    void InsertText(const std::string& t) override {
        shown += t;
        ++inserts;
    }
    void DeleteLastChar() override {
        if (!shown.empty()) {
            shown.pop_back();
        }
    }
    void Beep() override { ++beeps; }
};

class TerminalFeedTest : public ::testing::Test {
  protected:
    void Feed(const std::vector<uint8_t>& bytes) { FeedReceivedBytes(rig.session, bytes, sink); }
    SessionRig rig;
    TextSink sink{rig.host.text};
};

TEST_F(TerminalFeedTest, CarriageReturnIsDroppedAndLineFeedEndsTheLine) {
    Feed({0x41, 0x42, 0x0D, 0x0A, 0x43});
    EXPECT_EQ(sink.shown, "AB\nC");
    EXPECT_EQ(sink.inserts, 1);  // one display update per notification
}

TEST_F(TerminalFeedTest, TabControlAndHighBytesAreNotShownBellBeeps) {
    Feed({'a', 0x09, 0x80, 0xFF, 0x00, 0x1B, 0x07, 'b', 0x7F});
    EXPECT_EQ(sink.shown, "ab\x7f");
    EXPECT_EQ(sink.beeps, 1);
}

TEST_F(TerminalFeedTest, BackspaceRemovesTextOfThisAndEarlierNotifications) {
    Feed({'x', 'y'});
    Feed({'z', 0x08, 0x08, 'q'});
    EXPECT_EQ(sink.shown, "xq");
    Feed({0x08, 0x08, 0x08});  // more than there is: nothing breaks
    EXPECT_EQ(sink.shown, "");
}

TEST_F(TerminalFeedTest, SettingsTransferBytesGoToTheRunAndAreNeverShown) {
    rig.session.LoadSettingFromBox();
    rig.host.TakeSent();
    rig.host.TakeText();
    Feed({'H', 'i', 0xBB, 0x02, 0x01, 0x03});
    EXPECT_EQ(sink.shown, "\nStart receive parameters... ");
    EXPECT_EQ(rig.host.TakeSent(), Concat({{0x55}, kHelloAnswer}));
    EXPECT_EQ(rig.session.ProtocolStep(), 2);
}

TEST_F(TerminalFeedTest, RunLinesComeBeforeTheEchoOfTheBytesThatCausedThem) {
    const std::string path = WriteTempFile("echo.cus", std::string(10, 'x'));
    rig.file = path;
    rig.session.UpdateSoftware(rig.file);
    rig.host.TakeText();
    // Console text before the sign is echoed and does not disturb step 0.
    Feed({'b', 'o', 'o', 't', 0x0F});
    EXPECT_EQ(sink.shown, "boot");
    EXPECT_EQ(rig.host.TakeSent(), std::vector<uint8_t>{0x0F});
    Feed({0x02, 'Z', 0x03, '!'});
    EXPECT_EQ(rig.host.text, "boot\n Update Fail ! Z!");
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

}  // namespace
}  // namespace zev::test
