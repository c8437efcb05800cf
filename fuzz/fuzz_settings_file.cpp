// libFuzzer target: arbitrary bytes as default.dat.
#include "SettingsFileHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzSettingsFile(data, size);
}
