// Runs every seed of the fuzzer's corpus through the fuzzer's own entry, so the corpus keeps
// passing in ordinary test runs (and under the sanitizer build).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "../../fuzz/UnpackImageHarness.h"

namespace zev {
namespace {

TEST(FuzzCorpus, EverySeedPassesTheFuzzEntry) {
    std::size_t seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZEV_FUZZ_CORPUS_DIR)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(fuzz::CheckUnpackImage(bytes)) << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 5u);
}

TEST(FuzzCorpus, EntryAcceptsEdgeInputs) {
    EXPECT_TRUE(fuzz::CheckUnpackImage({}));
    std::vector<uint8_t> zeros(kInputImageSize + 10, 0);
    EXPECT_TRUE(fuzz::CheckUnpackImage(zeros));
    std::vector<uint8_t> ones(kInputImageSize, 0xFF);
    EXPECT_TRUE(fuzz::CheckUnpackImage(ones));
}

}  // namespace
}  // namespace zev
