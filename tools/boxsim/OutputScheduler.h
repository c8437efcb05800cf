// Holds what the receiver sends until the line may take it, and paces it as --delay (a pause
// before each answer) and --slow (answers byte by byte) ask.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "Transmitter.h"

namespace zev::boxsim {

class OutputScheduler {
  public:
    using Clock = std::chrono::steady_clock;
    // Writes up to `size` bytes; returns how many went (0 when the line is full), or -1.
    using WriteFunction = std::function<long(const std::uint8_t* data, std::size_t size)>;

    OutputScheduler(int delayMs, int slowMs);

    void enqueue(std::vector<OutputChunk> chunks, Clock::time_point now);
    // When the next byte is due; nothing when the queue is empty.
    std::optional<Clock::time_point> nextWriteTime() const;
    // Writes whatever is due; returns false when the line reported an error.
    bool writeDue(Clock::time_point now, const WriteFunction& write);
    void clear() { queue_.clear(); }

  private:
    struct Pending {
        Bytes bytes;
        std::size_t offset;
        bool paced;
        Clock::time_point readyAt;
    };

    std::chrono::milliseconds delay_;
    std::chrono::milliseconds slow_;
    std::deque<Pending> queue_;
    Clock::time_point pacedNotBefore_{};
};

}  // namespace zev::boxsim
