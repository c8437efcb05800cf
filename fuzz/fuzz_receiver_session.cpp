// libFuzzer target: a receiver run of each kind, fed arbitrary bytes as if the box sent them.
#include "ReceiverSessionHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzReceiverSession(data, size);
}
