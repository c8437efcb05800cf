// libFuzzer target: arbitrary bytes as an opened .stc file or a block loaded from the box.
#include "UnpackImageHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzUnpackImage(data, size);
}
