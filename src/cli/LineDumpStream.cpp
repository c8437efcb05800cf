#include "cli/LineDumpStream.h"

#include <ostream>

#include "link/LineDumpText.h"

namespace zev::cli {

void LineDumpStream::OnLineChunk(LineDirection direction, LineClock::time_point time,
                                 std::span<const uint8_t> bytes) {
    out_ << DumpChunkText(direction, time, bytes, withTime_) << std::flush;
}

}  // namespace zev::cli
