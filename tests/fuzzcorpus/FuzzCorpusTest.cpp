// Runs every seed of each fuzzer's corpus (fuzz/corpus/<target>) through the fuzzer's own
// entry, so the corpora keep passing in ordinary test runs (and under the sanitizer build),
// and a few inputs at the edges that every entry must take.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "CsvImportHarness.h"
#include "CusFileHarness.h"
#include "DatabaseJsonHarness.h"
#include "ParameterDataFileHarness.h"
#include "ReceiverSessionHarness.h"
#include "SettingsFileHarness.h"
#include "SgnFileHarness.h"
#include "TransponderXmlHarness.h"
#include "UnpackImageHarness.h"

namespace zev::test {
namespace {

struct FuzzTarget {
    const char* corpus;
    fuzz::Finding (*check)(std::span<const uint8_t>);
    std::size_t seeds;  // at least this many in the corpus
};

const FuzzTarget kTargets[] = {
    {"unpack_image", fuzz::CheckUnpackImage, 5},
    {"parameter_data_file", fuzz::CheckParameterDataFile, 4},
    {"sgn_file", fuzz::CheckSgnFile, 4},
    {"cus_file", fuzz::CheckCusFile, 5},
    {"settings_file", fuzz::CheckSettingsFile, 5},
    {"database_json", fuzz::CheckDatabaseJson, 4},
    {"receiver_session", fuzz::CheckReceiverSession, 15},
    {"csv_import", fuzz::CheckCsvImport, 4},
    {"transponder_xml", fuzz::CheckTransponderXml, 3},
};

void PrintTo(const FuzzTarget& target, std::ostream* out) { *out << target.corpus; }

std::vector<uint8_t> ReadSeed(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class FuzzCorpus : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EverySeedKeepsTheTargetsProperties) {
    const FuzzTarget& target = GetParam();
    std::size_t seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(ZEV_FUZZ_CORPUS_DIR) / target.corpus)) {
        if (!entry.is_regular_file()) continue;
        EXPECT_EQ(target.check(ReadSeed(entry.path())), "") << entry.path();
        ++seeds;
    }
    EXPECT_GE(seeds, target.seeds);
}

TEST_P(FuzzCorpus, EntryTakesEdgeInputs) {
    const FuzzTarget& target = GetParam();
    EXPECT_EQ(target.check({}), "");
    EXPECT_EQ(target.check(std::vector<uint8_t>{0}), "");
    EXPECT_EQ(target.check(std::vector<uint8_t>(kInputImageSize + 10, 0)), "");
    EXPECT_EQ(target.check(std::vector<uint8_t>(kInputImageSize, 0xFF)), "");
    EXPECT_EQ(target.check(std::vector<uint8_t>(4096, ',')), "");
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<FuzzTarget>& info) {
                             return std::string(info.param.corpus);
                         });

// The session seeds are the box's side of real runs: those named "..._ok" end every command
// they give in success, the others in none.
TEST(ReceiverSessionSeeds, SeedsNamedOkSucceedAndTheOthersDoNot) {
    std::size_t succeeding = 0;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(ZEV_FUZZ_CORPUS_DIR) / "receiver_session")) {
        const fuzz::SessionReport report = fuzz::RunSessionInput(ReadSeed(entry.path()));
        ASSERT_EQ(report.finding, "") << entry.path();
        ASSERT_FALSE(report.outcomes.empty()) << entry.path();
        const bool ok = entry.path().filename().string().ends_with("_ok");
        for (const RunOutcome& outcome : report.outcomes) {
            EXPECT_EQ(outcome.end == RunEnd::Succeeded, ok)
                << entry.path() << ": mode " << static_cast<int>(outcome.mode) << ", reason "
                << static_cast<int>(outcome.reason);
        }
        succeeding += ok;
    }
    EXPECT_GE(succeeding, 8u);
}

}  // namespace
}  // namespace zev::test
