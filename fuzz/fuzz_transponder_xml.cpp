// libFuzzer target: arbitrary bytes as the transponder XML of `zev-cli transponders-import`.
#include "TransponderXmlHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzTransponderXml(data, size);
}
