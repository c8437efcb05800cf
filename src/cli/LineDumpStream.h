// zev-cli's --hex and --log: every piece of bytes on the line written in the Line Monitor's
// text form the moment it passes, so nothing waits in memory.
#pragma once

#include <iosfwd>

#include "link/LineTap.h"

namespace zev::cli {

class LineDumpStream : public LineTap {
  public:
    LineDumpStream(std::ostream& out, bool withTime) : out_(out), withTime_(withTime) {}
    void OnLineChunk(LineDirection direction, LineClock::time_point time,
                     std::span<const uint8_t> bytes) override;

  private:
    std::ostream& out_;
    bool withTime_;
};

}  // namespace zev::cli
