// The line tap, the Line Monitor's ring of fixed size and its rows, and their text form.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <numeric>
#include <random>

#include "e2e/PtyPair.h"
#include "link/LineDumpText.h"
#include "link/LineLog.h"
#include "link/LineMonitorModel.h"
#include "link/SerialLink.h"

namespace zev {
namespace {

using test::PtyPair;
using test::SpinUntil;

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> HeldBytes(const LineLog& log, uint64_t sequence) {
    std::vector<uint8_t> bytes(log.ChunkAt(sequence).size);
    EXPECT_EQ(log.CopyBytes(sequence, 0, bytes), bytes.size());
    return bytes;
}

TEST(LineDumpText, RowsShowHexAndTextSideBySide) {
    const std::vector<uint8_t> bytes = Bytes("\x02\x02Hello, line!\x7F\x80\x03zz");
    EXPECT_EQ(DumpChunkText(LineDirection::Received, LineClock::now(), bytes, false),
              "RX 02 02 48 65 6C 6C 6F 2C 20 6C 69 6E 65 21 7F 80  ..Hello, line!..\n"
              "RX 03 7A 7A                                         .zz\n");
    const std::string timed =
        DumpChunkText(LineDirection::Sent, LineClock::now(), Bytes("\xBB"), true);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3} TX BB {47}\\.\\n$"))
            .match(QString::fromStdString(timed))
            .hasMatch())
        << timed;
}

// However long it listens, the log never holds more than its caps, keeps the newest pieces
// whole and counts what it dropped.
TEST(LineLog, MemoryStaysWithinItsCapsHoweverMuchPasses) {
    LineLog log(4096, 64);
    const std::size_t memory = log.MemoryBytes();
    std::mt19937 random(7);
    uint64_t total = 0;
    uint64_t totalBytes = 0;
    for (int i = 0; i < 20000; ++i) {
        std::vector<uint8_t> chunk(1 + random() % 300);
        for (uint8_t& byte : chunk) byte = static_cast<uint8_t>(random());
        log.OnLineChunk(i % 3 == 0 ? LineDirection::Sent : LineDirection::Received,
                        LineClock::now(), chunk);
        ++total;
        totalBytes += chunk.size();
        ASSERT_LE(log.BytesHeld(), 4096u);
        ASSERT_LE(log.ChunksHeld(), 64u);
        ASSERT_EQ(HeldBytes(log, log.EndSequence() - 1), chunk);
    }
    EXPECT_EQ(log.MemoryBytes(), memory);
    EXPECT_EQ(log.EndSequence(), total);
    EXPECT_EQ(log.DroppedChunks() + log.ChunksHeld(), total);
    EXPECT_EQ(log.DroppedBytes() + log.BytesHeld(), totalBytes);
}

TEST(LineLog, PiecesAcrossTheRingsEndAndPiecesLargerThanItReadBackRight) {
    LineLog log(100, 10);
    std::vector<uint8_t> first(70);
    std::iota(first.begin(), first.end(), uint8_t{0});
    std::vector<uint8_t> second(60);
    std::iota(second.begin(), second.end(), uint8_t{100});
    log.OnLineChunk(LineDirection::Sent, LineClock::now(), first);
    log.OnLineChunk(LineDirection::Received, LineClock::now(), second);  // wraps; drops the first
    EXPECT_EQ(log.FirstSequence(), 1u);
    EXPECT_EQ(HeldBytes(log, 1), second);
    EXPECT_EQ(log.ChunkAt(1).direction, LineDirection::Received);
    std::vector<uint8_t> huge(250);
    std::iota(huge.begin(), huge.end(), uint8_t{0});
    log.OnLineChunk(LineDirection::Sent, LineClock::now(), huge);
    EXPECT_EQ(HeldBytes(log, 2), std::vector<uint8_t>(huge.end() - 100, huge.end()));
    EXPECT_EQ(log.DroppedBytes(), 70u + 60u + 150u);
}

TEST(LineMonitorModel, RowsFollowTheLogAndLeaveFromTheTopWhenItDrops) {
    LineLog log(64, 4);
    LineMonitorModel model(log);
    log.OnLineChunk(LineDirection::Sent, LineClock::now(), Bytes("\xBB"));
    log.OnLineChunk(LineDirection::Received, LineClock::now(), std::vector<uint8_t>(20, 0x41));
    EXPECT_EQ(model.rowCount(), 0);  // nothing changes until Sync
    model.Sync();
    ASSERT_EQ(model.rowCount(), 3);
    const auto cell = [&model](int row, int column) {
        return model.data(model.index(row, column)).toString();
    };
    EXPECT_EQ(cell(0, LineMonitorModel::DirectionColumn), "TX");
    EXPECT_EQ(cell(0, LineMonitorModel::HexColumn), "BB");
    EXPECT_FALSE(cell(1, LineMonitorModel::TimeColumn).isEmpty());
    EXPECT_TRUE(cell(2, LineMonitorModel::TimeColumn).isEmpty());  // time on a piece's first row
    EXPECT_EQ(cell(2, LineMonitorModel::TextColumn), "AAAA");
    EXPECT_EQ(model.RowText(2),
              std::string(13, ' ') + "RX 41 41 41 41" + std::string(38, ' ') + "AAAA");

    // 64 bytes of room: the next 50 push the first two pieces out.
    log.OnLineChunk(LineDirection::Sent, LineClock::now(), std::vector<uint8_t>(50, 0x02));
    model.Sync();
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(cell(0, LineMonitorModel::HexColumn).left(5), "02 02");
}

TEST(LineMonitorModel, FindsBytesOrTextFromTheRowAfterAndWrapsRound) {
    LineLog log;
    LineMonitorModel model(log);
    log.OnLineChunk(LineDirection::Received, LineClock::now(), Bytes("Boot loader V2.0\r\n"));
    std::vector<uint8_t> block(64, 0x00);
    block[40] = 0x02;
    block[41] = 0x16;
    block[42] = 0x03;
    log.OnLineChunk(LineDirection::Received, LineClock::now(), block);
    model.Sync();
    EXPECT_EQ(model.FindNext("02 16 03", 0), 4);  // the second piece's third row
    EXPECT_EQ(model.FindNext("0x02 0x16", 0), 4);
    EXPECT_EQ(model.FindNext("V2.0", 1), 0);  // round from the end to the top
    EXPECT_FALSE(model.FindNext("absent", 0).has_value());
    EXPECT_EQ(SearchBytes("bb"), "\xBB");
    EXPECT_EQ(SearchBytes("bbc"), "bbc");
}

class LineTapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::TestApp();
        ASSERT_TRUE(pty.ok());
        settings.portName = pty.SlavePath();
        QObject::connect(&link, &SerialLink::Notify, [this] {
            uint8_t buffer[100];
            const int n = link.ReadBytes(buffer, sizeof buffer);
            received.insert(received.end(), buffer, buffer + n);
            link.SetNotifyPermit();
        });
    }

    PtyPair pty;
    LinkSettings settings;
    SerialLink link{settings};
    std::vector<uint8_t> received;
};

TEST_F(LineTapTest, TapHearsWhatGoesOutAndComesInWithoutChangingIt) {
    LineLog log;
    link.AddTap(&log);
    ASSERT_TRUE(link.OpenPort());
    for (const uint8_t byte : {0x02, 0x01, 0x0A, 0x03}) link.WriteBytes(&byte, 1);
    // Bytes written while a notification is handled go out together, as one piece.
    EXPECT_EQ(pty.Read(4), (std::vector<uint8_t>{0x02, 0x01, 0x0A, 0x03}));
    pty.Write(Bytes("\x02\x02 ready"));
    ASSERT_TRUE(SpinUntil([&] { return received.size() == 8; }));
    EXPECT_EQ(received, Bytes("\x02\x02 ready"));
    ASSERT_EQ(log.ChunksHeld(), 2u);
    EXPECT_EQ(log.ChunkAt(0).direction, LineDirection::Sent);
    EXPECT_EQ(HeldBytes(log, 0), (std::vector<uint8_t>{0x02, 0x01, 0x0A, 0x03}));
    EXPECT_EQ(log.ChunkAt(1).direction, LineDirection::Received);
    EXPECT_EQ(HeldBytes(log, 1), received);
    EXPECT_LE(log.ChunkAt(0).time, log.ChunkAt(1).time);

    link.RemoveTap(&log);
    const uint8_t more = 0x55;
    link.WriteBytes(&more, 1);
    EXPECT_EQ(pty.Read(1), std::vector<uint8_t>{0x55});
    EXPECT_EQ(log.ChunksHeld(), 2u);
}

}  // namespace
}  // namespace zev
