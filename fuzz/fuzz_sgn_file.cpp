// libFuzzer target: arbitrary bytes as the .sgn file of OTA Software Update.
#include "SgnFileHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzSgnFile(data, size);
}
