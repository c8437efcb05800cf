// The result frame a loader sends after the data: STX, its code, then ETX. For some failure
// codes the frame is 7 bytes long and carries a 32-bit address in bytes 2 to 5. Each loader
// has its own table of codes and texts.
#pragma once

#include <cstdint>
#include <span>

#include "protocols/FrameBuffer.h"
#include "protocols/RunHost.h"

namespace zev {

// How long the frame of a failure code is.
enum class FailureFrame {
    Short,            // 3 bytes
    Long,             // 7 bytes, the address not printed
    LongWithAddress,  // 7 bytes, the address printed
};

struct ResultCode {
    uint8_t code;
    FailureFrame frame;
    const char* text;
};

struct LoaderResults {
    uint8_t success;      // command of the success frame
    const char* failure;  // first line of every failure
    std::span<const ResultCode> failures;
    const char* unknown;        // line for a code not in the table
    const char* addressFormat;  // printf format of the address
};

enum class ResultOutcome { Waiting, Succeeded, Failed };

// Collects one byte of the result frame into `frame` (cleared when the result began) and
// prints what it tells: the code once 3 bytes are in, the address once 7 are. Succeeded or
// Failed once the run is over.
ResultOutcome CollectResult(const LoaderResults& results, FrameBuffer& frame, uint8_t value,
                            RunHost& host);

}  // namespace zev
