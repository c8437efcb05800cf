// The simulator's command line.
#include <gtest/gtest.h>

#include "BoxOptions.h"

namespace zev::boxsim::test {
namespace {

ParsedCommandLine parse(std::vector<std::string> arguments) { return parseCommandLine(arguments); }

TEST(BoxOptions, DefaultsAreTheGeneralSignAndTheTwoSectorUserBlock) {
    const auto parsed = parse({});
    ASSERT_TRUE(parsed.error.empty());
    EXPECT_EQ(parsed.options.sign, kSignGeneral);
    EXPECT_EQ(parsed.options.userAddress, 0xE0000u);
    EXPECT_EQ(parsed.options.userSize, 0x20000u);
    EXPECT_FALSE(parsed.options.resetOnOpenMs);
    EXPECT_FALSE(parsed.options.exitOnEof);
}

TEST(BoxOptions, ValuesInBothFormsAndHexNumbers) {
    const auto parsed =
        parse({"--sign", "b0", "--reset-on-open", "--user-address=0xF0000", "--user-size", "65536",
               "--fault", "no-sync", "--fault=ota-erase", "--vanish", "100", "--link=/tmp/x"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.options.sign, kSignOta);
    EXPECT_EQ(parsed.options.resetOnOpenMs, 300);
    EXPECT_EQ(parsed.options.userAddress, 0xF0000u);
    EXPECT_EQ(parsed.options.userSize, 0x10000u);
    EXPECT_TRUE(parsed.options.faults.has(Fault::NoSync));
    EXPECT_TRUE(parsed.options.faults.has(Fault::OtaErase));
    EXPECT_FALSE(parsed.options.faults.has(Fault::OtaWrite));
    EXPECT_EQ(parsed.options.vanishAfter, 100u);
    EXPECT_EQ(parsed.options.linkPath, "/tmp/x");
    EXPECT_EQ(parse({"--reset-on-open=50"}).options.resetOnOpenMs, 50);
}

TEST(BoxOptions, MistakesAreReported) {
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--sign", "0d"},
                                                  {"--fault", "nonsense"},
                                                  {"--bogus"},
                                                  {"--slow"},
                                                  {"--delay", "x"},
                                                  {"--vanish", "0"},
                                                  {"--quiet=1"},
                                                  {"--user-address", "0x1F0000"},
                                                  {"--reset-on-open=soon"},
                                                  {"--sample", "--user-size", "0x8000"}}) {
        EXPECT_FALSE(parse(wrong).error.empty()) << wrong.front();
    }
}

TEST(BoxOptions, HelpNamesEveryFault) {
    EXPECT_TRUE(parse({"--help"}).helpWanted);
    const std::string help = usageText();
    for (const FaultInfo& info : allFaults()) {
        EXPECT_NE(help.find(info.name), std::string::npos) << info.name;
    }
}

}  // namespace
}  // namespace zev::boxsim::test
