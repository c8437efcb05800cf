// libFuzzer target: arbitrary bytes as the parameter data file of Update Parameters.
#include "ParameterDataFileHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzParameterDataFile(data, size);
}
