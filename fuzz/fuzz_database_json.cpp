// libFuzzer target: arbitrary bytes as the JSON input of `zev-cli build`.
#include "DatabaseJsonHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzDatabaseJson(data, size);
}
