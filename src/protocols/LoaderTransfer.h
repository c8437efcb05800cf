// The data part of a loader run, after its handshake: blocks released one at a time by a
// 3-byte SYNC frame, the checksum after the last one, then the loader's end marker and its
// result. The boot loader and the OTA loader differ only in what is described here.
#pragma once

#include <cstdint>

#include "protocols/LoaderResult.h"

namespace zev {

struct LoaderTransfer {
    uint8_t sync;        // command of the frame that asks for the next block
    uint8_t endMarker;   // byte that announces the result
    uint8_t syncStep;    // step that waits for SYNC between blocks
    uint8_t endStep;     // step that waits for the end marker
    uint8_t resultStep;  // step that reads the result
    const LoaderResults& results;
};

}  // namespace zev
