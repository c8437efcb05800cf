#include <gtest/gtest.h>

#include "FakeRunHost.h"
#include "protocols/FrameBuffer.h"

namespace zev::test {
namespace {

TEST(FrameBufferTest, NeverHoldsMoreThanItsTwentyBytes) {
    FrameBuffer frame;
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(frame.Collect(static_cast<uint8_t>(i)));
    }
    EXPECT_FALSE(frame.Collect(0xEE));
    EXPECT_EQ(frame.Count(), 20);
    EXPECT_EQ(frame[19], 19);
}

TEST(SessionLinkTest, LostLinkEndsTheRunAndClosesTheLink) {
    SessionRig rig;
    rig.session.LoadSettingFromBox();
    rig.session.OnLinkLost("device removed");
    EXPECT_NE(rig.host.text.find("device removed"), std::string::npos);
    EXPECT_FALSE(rig.host.linkOpen);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_FALSE(rig.host.statusConnected);
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::LoadSettings, false));
}

TEST(SessionLinkTest, ConnectAndDisconnectResetTheRunState) {
    SessionRig rig;
    rig.session.LoadSettingFromBox();
    rig.Feed({0xBB});
    rig.session.OnLinkDisconnected();
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_EQ(rig.session.ProtocolStep(), 0);
    EXPECT_FALSE(rig.host.statusConnected);
    rig.session.OnLinkConnected();
    EXPECT_TRUE(rig.host.statusConnected);
}

TEST(SessionLinkTest, LinkThatCannotCloseKeepsTheRun) {
    class StuckHost : public FakeRunHost {
      public:
        void CloseLink() override {}
    };
    StuckHost host;
    auto db = std::make_unique<ChannelDatabase>();
    auto images = std::make_unique<ImageBuffers>();
    ReceiverSession session(host, *db, *images);
    session.LoadSettingFromBox();
    session.StopUpdate();
    EXPECT_NE(host.text.find("\nOh, COM1 can't close!"), std::string::npos);
    EXPECT_EQ(session.Mode(), ProtocolMode::LoadSettings);
    EXPECT_TRUE(host.statusConnected);
}

}  // namespace
}  // namespace zev::test
