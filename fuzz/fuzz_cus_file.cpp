// libFuzzer target: a size and a path as the .cus file of Update Software.
#include "CusFileHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzCusFile(data, size);
}
