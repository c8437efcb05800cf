// Reading the loaders' frames one byte at a time: a frame starts with STX, ends with ETX and
// has its command in the second byte.
#pragma once

#include <cstdint>

#include "protocols/FrameBuffer.h"
#include "protocols/LineConventions.h"
#include "protocols/RunHost.h"

namespace zev {

// What one more byte made of a frame of known length.
enum class FrameStep {
    Incomplete,  // more bytes to come
    BadStx,      // the first byte is not STX
    BadEtx,      // all bytes are in, the last is not ETX
    Complete,    // all bytes are in, framed by STX and ETX
};

// Collects one byte of a `length`-byte frame: STX is checked as soon as the first byte is in,
// ETX once the last one is.
inline FrameStep CollectFrame(FrameBuffer& frame, uint8_t value, uint8_t length) {
    frame.Collect(value);
    if (frame.Count() == 1 && frame[0] != kStx) {
        return FrameStep::BadStx;
    }
    if (frame.Count() != length) {
        return FrameStep::Incomplete;
    }
    return frame[length - 1] == kEtx ? FrameStep::Complete : FrameStep::BadEtx;
}

// CollectFrame that also prints `badStx` or `badEtx` when the frame turns out broken.
inline FrameStep CollectReportedFrame(FrameBuffer& frame, uint8_t value, uint8_t length,
                                      RunHost& host, const char* badStx, const char* badEtx) {
    const FrameStep step = CollectFrame(frame, value, length);
    if (step == FrameStep::BadStx) {
        host.AppendText(badStx);
    } else if (step == FrameStep::BadEtx) {
        host.AppendText(badEtx);
    }
    return step;
}

inline bool IsBroken(FrameStep step) {
    return step == FrameStep::BadStx || step == FrameStep::BadEtx;
}

// Collects one byte; true once `length` bytes are in, which the caller then checks as a whole.
inline bool CollectWhole(FrameBuffer& frame, uint8_t value, uint8_t length) {
    frame.Collect(value);
    return frame.Count() >= length;
}

// The 3-byte frame STX command ETX.
inline bool IsFrame(const FrameBuffer& frame, uint8_t command) {
    return frame[0] == kStx && frame[1] == command && frame[2] == kEtx;
}

}  // namespace zev
