// SerialLink on a pseudo-terminal opened by the test: notifications, writes, settings, loss.
#include <gtest/gtest.h>

#include <numeric>

#include "e2e/PtyPair.h"
#include "link/SerialLink.h"
#include "settings/PortChoiceText.h"

namespace zev {
namespace {

using test::PtyPair;
using test::SpinUntil;

class SerialLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::TestApp();
        ASSERT_TRUE(pty.ok());
        settings.portName = pty.SlavePath();
    }

    // Reads each notification's bytes the way the terminal does, at most 100 at a time.
    void ReadOnNotify() {
        QObject::connect(&link, &SerialLink::Notify, [this] {
            uint8_t buffer[100];
            const int n = link.ReadBytes(buffer, sizeof buffer);
            pieces.push_back(n);
            received.insert(received.end(), buffer, buffer + n);
            link.SetNotifyPermit();
        });
    }

    PtyPair pty;
    LinkSettings settings;
    SerialLink link{settings};
    std::vector<int> pieces;
    std::vector<uint8_t> received;
};

std::vector<uint8_t> Counting(std::size_t count) {
    std::vector<uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), uint8_t{0});
    return bytes;
}

TEST_F(SerialLinkTest, BurstArrivesInPiecesOfAtMostHundredInOrder) {
    ReadOnNotify();
    ASSERT_TRUE(link.OpenPort());
    const auto burst = Counting(1000);
    pty.Write(burst);
    ASSERT_TRUE(SpinUntil([&] { return received.size() >= burst.size(); }));
    EXPECT_EQ(received, burst);
    EXPECT_GE(pieces.size(), 10u);
    for (int n : pieces) EXPECT_LE(n, 100);
}

TEST_F(SerialLinkTest, OneNotificationInFlightUntilPermit) {
    int notifications = 0;
    QObject::connect(&link, &SerialLink::Notify, [&] { ++notifications; });
    ASSERT_TRUE(link.OpenPort());
    pty.Write(Counting(300));
    ASSERT_TRUE(SpinUntil([&] { return notifications > 0; }));
    // Without a permit no second notification comes, however long the bytes wait.
    SpinUntil([] { return false; }, 200);
    EXPECT_EQ(notifications, 1);
    uint8_t buffer[100];
    EXPECT_EQ(link.ReadBytes(buffer, 100), 100);
    link.SetNotifyPermit();
    ASSERT_TRUE(SpinUntil([&] { return notifications == 2; }));
}

TEST_F(SerialLinkTest, PermitForNewBytesLeavesWaitingBytesUntilFullPermit) {
    bool paused = true;
    QObject::connect(&link, &SerialLink::Notify, [&] {
        if (paused) {
            link.SetNotifyPermitForNewBytes();
            return;
        }
        uint8_t buffer[100];
        const int n = link.ReadBytes(buffer, sizeof buffer);
        received.insert(received.end(), buffer, buffer + n);
        link.SetNotifyPermit();
    });
    ASSERT_TRUE(link.OpenPort());
    const auto first = Counting(250);
    pty.Write(first);
    SpinUntil([] { return false; }, 200);
    EXPECT_TRUE(received.empty());
    paused = false;
    link.SetNotifyPermit();
    ASSERT_TRUE(SpinUntil([&] { return received.size() >= first.size(); }));
    EXPECT_EQ(received, first);
}

TEST_F(SerialLinkTest, WritesOfSingleBytesArriveWholeAndInOrder) {
    ASSERT_TRUE(link.OpenPort());
    const auto block = Counting(8192);
    for (uint8_t byte : block) ASSERT_EQ(link.WriteBytes(&byte, 1), 1);
    EXPECT_EQ(pty.Read(block.size()), block);
}

TEST_F(SerialLinkTest, BytesWrittenJustBeforeCloseStillGoOut) {
    ASSERT_TRUE(link.OpenPort());
    const auto bytes = Counting(64);
    EXPECT_EQ(link.WriteBytes(bytes.data(), static_cast<int>(bytes.size())), 64);
    link.ClosePort();
    EXPECT_EQ(pty.Read(bytes.size()), bytes);
}

TEST_F(SerialLinkTest, OpenTwiceFailsAndCloseAllowsReopen) {
    ASSERT_TRUE(link.OpenPort());
    EXPECT_FALSE(link.OpenPort());
    EXPECT_TRUE(link.portConnected());
    link.ClosePort();
    EXPECT_FALSE(link.portConnected());
    uint8_t byte = 1;
    EXPECT_EQ(link.WriteBytes(&byte, 1), 0);
    EXPECT_TRUE(link.OpenPort());
}

TEST_F(SerialLinkTest, UsualSettingsWorkOnAPseudoTerminal) {
    // A pseudo-terminal refuses other byte sizes and parities on some kernels; 8N1 at the
    // usual rates, with or without a flow-control change, must work.
    for (const char* flow : {"None", "Hardware", "Xon/Xoff", "Something"}) {
        settings.flowControl = ChoiceFromText<FlowControl>(flow);
        for (int baud : {9600, 38400, 115200}) {
            settings.baudRate = baud;
            ASSERT_TRUE(link.OpenPort()) << flow << " " << baud;
            EXPECT_TRUE(link.ApplyPortSettings());
            link.ClosePort();
        }
    }
    settings.stopBits = StopBits::Two;
    settings.parity = PortChoice<Parity>::Unlisted("Unknown");  // leaves the parity as it is
    EXPECT_TRUE(link.OpenPort());
}

// "Hardware" is CTS flow (RTS/CTS on Linux, which has no CTS flow alone) and "Xon/Xoff" is
// XON/XOFF flow with 0x11 and 0x13; neither clears the other, nor lets any byte restart
// output. "None" leaves what the port has, also from one connection to the next.
TEST_F(SerialLinkTest, FlowChoicesTurnOnTheirOwnFieldsAndKeepTheOthers) {
    termios before = pty.SlaveSettings();
    before.c_cc[VSTART] = 0x01;
    before.c_cc[VSTOP] = 0x02;
    pty.SetSlaveSettings(before);

    settings.flowControl = FlowControl::Hardware;
    ASSERT_TRUE(link.OpenPort());
    termios now = pty.SlaveSettings();
    EXPECT_NE(now.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(now.c_iflag & (IXON | IXOFF), 0u);

    settings.flowControl = FlowControl::XonXoff;
    ASSERT_TRUE(link.ApplyPortSettings());
    now = pty.SlaveSettings();
    EXPECT_NE(now.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(now.c_iflag & (IXON | IXOFF | IXANY), tcflag_t{IXON | IXOFF});
    EXPECT_EQ(now.c_cc[VSTART], 0x11);
    EXPECT_EQ(now.c_cc[VSTOP], 0x13);

    link.ClosePort();
    for (const char* keeps : {"None", "RTS/CTS"}) {
        settings.flowControl = ChoiceFromText<FlowControl>(keeps);
        ASSERT_TRUE(link.OpenPort()) << keeps;
        now = pty.SlaveSettings();
        EXPECT_NE(now.c_cflag & CRTSCTS, 0u) << keeps;
        EXPECT_EQ(now.c_iflag & (IXON | IXOFF), tcflag_t{IXON | IXOFF}) << keeps;
        link.ClosePort();
    }
}

// Writes are queued, so a run never waits on one; bytes that then cannot leave must still end
// the link, or the run would wait for ever for an answer to what never went. A far end that
// takes a little at a time is no failure, however long the whole takes.
TEST_F(SerialLinkTest, WritesThatCannotLeaveEndTheLinkButASlowReaderKeepsIt) {
    bool failed = false;
    QObject::connect(&link, &SerialLink::WriteFailed, [&](const QString&) { failed = true; });
    ASSERT_TRUE(link.OpenPort());
    const auto bytes = Counting(256 * 1024);
    ASSERT_EQ(link.WriteBytes(bytes.data(), static_cast<int>(bytes.size())),
              static_cast<int>(bytes.size()));
    QElapsedTimer clock;
    clock.start();
    std::size_t taken = 0;
    while (clock.elapsed() < 2 * kWriteTimeoutMilliseconds) {
        taken += pty.Read(1, 50).size();
        SpinUntil([] { return false; }, kWriteTimeoutMilliseconds / 5);
    }
    EXPECT_FALSE(failed);
    EXPECT_TRUE(link.portConnected());

    // Now the far end takes nothing more.
    ASSERT_TRUE(SpinUntil([&] { return failed; }, 5 * kWriteTimeoutMilliseconds));
    EXPECT_FALSE(link.portConnected());
    EXPECT_LT(taken, bytes.size());
    uint8_t byte = 0x55;
    EXPECT_EQ(link.WriteBytes(&byte, 1), 0);
    // The port is free again.
    ASSERT_TRUE(link.OpenPort());
}

TEST_F(SerialLinkTest, DataBitsOutsideFiveToEightFail) {
    settings.dataBits = 4;
    EXPECT_FALSE(link.OpenPort());
    EXPECT_FALSE(link.portConnected());
    settings.dataBits = 9;
    EXPECT_FALSE(link.OpenPort());
    settings.dataBits = 8;
    EXPECT_TRUE(link.OpenPort());
}

TEST_F(SerialLinkTest, MissingDeviceDoesNotOpen) {
    settings.portName = "/nonexistent/zev-port";
    EXPECT_FALSE(link.OpenPort());
    EXPECT_FALSE(link.ApplyPortSettings());
}

TEST_F(SerialLinkTest, VanishingDeviceClosesTheLinkAndReportsIt) {
    QString reason;
    bool lost = false;
    QObject::connect(&link, &SerialLink::LinkLost, [&](const QString& why) {
        lost = true;
        reason = why;
    });
    ReadOnNotify();
    ASSERT_TRUE(link.OpenPort());
    pty.Write(Counting(10));
    ASSERT_TRUE(SpinUntil([&] { return received.size() == 10; }));
    pty.CloseMaster();
    ASSERT_TRUE(SpinUntil([&] { return lost; }));
    EXPECT_FALSE(link.portConnected());
    uint8_t byte = 0x55;
    EXPECT_EQ(link.WriteBytes(&byte, 1), 0);
    EXPECT_EQ(link.ReadBytes(&byte, 1), 0);
}

TEST(SerialLinkNames, ComNamesMapToThePlatformsFirstPorts) {
#if defined(Q_OS_WIN)
    EXPECT_EQ(SerialLink::DevicePathFor("COM2"), "COM2");
#elif !defined(Q_OS_MACOS)
    EXPECT_EQ(SerialLink::DevicePathFor("COM1"), "/dev/ttyS0");
    EXPECT_EQ(SerialLink::DevicePathFor("COM4"), "/dev/ttyS3");
#endif
    EXPECT_EQ(SerialLink::DevicePathFor("com1"), "com1");  // names are compared exactly
    EXPECT_EQ(SerialLink::DevicePathFor("COM5"), "COM5");
    EXPECT_EQ(SerialLink::DevicePathFor("/dev/pts/5"), "/dev/pts/5");
}

}  // namespace
}  // namespace zev
