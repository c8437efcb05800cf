// zev-cli's --log FILE: every piece of bytes on the line, in the Line Monitor's text form with
// its time, written to the file by a thread of its own. The line only hands over a copy of the
// bytes, so formatting and the disk never hold up a transfer; at most kMaxQueuedBytes wait for
// the writer (beyond that the line waits for it), and everything is written by the time the
// writer is destroyed.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/LineTap.h"

namespace zev::cli {

class LineLogWriter : public LineTap {
  public:
    static constexpr std::size_t kMaxQueuedBytes = std::size_t{8} << 20;

    // `write` takes the text, piece by piece, on the writer thread, until the destructor
    // returns.
    explicit LineLogWriter(std::function<void(const std::string&)> write);
    ~LineLogWriter() override;
    LineLogWriter(const LineLogWriter&) = delete;
    LineLogWriter& operator=(const LineLogWriter&) = delete;

    void OnLineChunk(LineDirection direction, LineClock::time_point time,
                     std::span<const uint8_t> bytes) override;
    // Whether the line has carried a byte either way (asked on the thread that feeds it).
    bool HeardBytes() const { return heard_; }

  private:
    struct Piece {
        LineDirection direction;
        LineClock::time_point time;
        std::vector<uint8_t> bytes;
    };
    void WriteLoop();

    std::function<void(const std::string&)> write_;
    bool heard_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Piece> queue_;
    std::size_t queuedBytes_ = 0;
    bool done_ = false;
    std::thread writer_;
};

}  // namespace zev::cli
