// libFuzzer target: arbitrary bytes as an opened .stc file or a block loaded from the box.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "UnpackImageHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!zev::fuzz::CheckUnpackImage({data, size})) std::abort();
    return 0;
}
