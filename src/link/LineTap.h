// A listener on the serial line: it hears every piece of bytes the link hands to the port and
// every piece it reads from it, with the time. It only listens: nothing it does changes what
// is sent or what the terminal shows.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>

namespace zev {

enum class LineDirection : uint8_t { Sent, Received };

using LineClock = std::chrono::system_clock;

class LineTap {
  public:
    virtual ~LineTap() = default;
    // One piece of bytes (never empty), in the order they went over the line.
    virtual void OnLineChunk(LineDirection direction, LineClock::time_point time,
                             std::span<const uint8_t> bytes) = 0;
};

}  // namespace zev
