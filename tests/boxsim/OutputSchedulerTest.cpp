// Pacing of the receiver's output: answers byte by byte with --slow, data blocks at once.
#include <gtest/gtest.h>

#include "OutputScheduler.h"

namespace zev::boxsim::test {
namespace {

using Clock = OutputScheduler::Clock;

struct Line {
    Bytes written;
    std::size_t room = SIZE_MAX;
    OutputScheduler::WriteFunction function() {
        return [this](const std::uint8_t* data, std::size_t size) {
            const std::size_t taken = std::min(size, room);
            written.insert(written.end(), data, data + taken);
            room -= taken;
            return static_cast<long>(taken);
        };
    }
};

TEST(OutputScheduler, SlowAnswersGoOneByteAtATimeButBulkDataAtOnce) {
    OutputScheduler scheduler(0, 50);
    Line line;
    const Clock::time_point start{};
    scheduler.enqueue({{{1, 2}, false}, {{9, 9, 9}, true}}, start);
    ASSERT_TRUE(scheduler.writeDue(start, line.function()));
    EXPECT_EQ(line.written, Bytes{1});
    scheduler.writeDue(start + std::chrono::milliseconds(50), line.function());
    EXPECT_EQ(line.written, (Bytes{1, 2, 9, 9, 9}));
    EXPECT_FALSE(scheduler.nextWriteTime());
}

TEST(OutputScheduler, DelayHoldsAnswersBackAndAFullLineKeepsTheRest) {
    OutputScheduler scheduler(100, 0);
    Line line;
    line.room = 2;
    const Clock::time_point start{};
    scheduler.enqueue({{{1, 2, 3}, false}}, start);
    scheduler.writeDue(start, line.function());
    EXPECT_TRUE(line.written.empty());
    scheduler.writeDue(start + std::chrono::milliseconds(100), line.function());
    EXPECT_EQ(line.written, (Bytes{1, 2}));
    line.room = 10;
    scheduler.writeDue(start + std::chrono::milliseconds(100), line.function());
    EXPECT_EQ(line.written, (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace zev::boxsim::test
