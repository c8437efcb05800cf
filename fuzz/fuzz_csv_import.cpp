// libFuzzer target: arbitrary bytes as the three CSV files of `zev-cli import`.
#include "CsvImportHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return zev::fuzz::FuzzCsvImport(data, size);
}
