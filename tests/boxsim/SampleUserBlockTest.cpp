// The generated sample database is laid out as a real user block.
#include <gtest/gtest.h>

#include "SampleUserBlock.h"
#include "UserBlockHeader.h"
#include "WireFormat.h"

namespace zev::boxsim::test {
namespace {

std::uint16_t word(const Bytes& block, std::size_t offset) {
    return static_cast<std::uint16_t>(block[offset] | block[offset + 1] << 8);
}

TEST(SampleUserBlock, HeaderHasTheTwoSectorLayoutAndTheCounts) {
    const Bytes block = buildSampleUserBlock(0xE0000, 0x20000);
    ASSERT_EQ(block.size(), 0x20000u);
    const Bytes expectedStart{0x00, 0x00, 0xFC, 0xFA, 0x00, 0x00, 0x00, 0x00, 0x9C, 0xFE,
                              0xD0, 0x07, 0x40, 0x06, 0xD0, 0x07, 0xA0, 0x0F, 0x00, 0x9C};
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 20), expectedStart);
    EXPECT_EQ(block[26], 3);
    EXPECT_EQ(word(block, 28), 20);
    EXPECT_EQ(word(block, 30), 40);
    EXPECT_EQ(word(block, 32), 10);
    const Bytes layout{0x0D, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
                       0x0E, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00};
    EXPECT_EQ(Bytes(block.begin() + 34, block.begin() + 50), layout);
    EXPECT_EQ(Bytes(block.begin() + 50, block.begin() + 70), Bytes(20, 0xFF));
    EXPECT_EQ(word(block, 70), 0);
    EXPECT_EQ(Bytes(block.end() - 4, block.end()), Bytes(4, 0xFF));
}

TEST(SampleUserBlock, RecordsReferToExistingEntries) {
    const Bytes block = buildSampleUserBlock(0xE0000, 0x20000);
    const std::size_t transponders = 72 + 18 * 156;
    for (std::size_t i = 0; i < 20; ++i) {
        const unsigned sat = word(block, transponders + 8 * i + 2) >> 7 & 0xFF;
        EXPECT_GE(sat, 1u);
        EXPECT_LE(sat, 3u);
    }
    const std::size_t tv = transponders + 8 * 2000;
    auto checkChannel = [&block](std::size_t at, bool radio) {
        const unsigned tp = word(block, at + 20) >> 5;
        EXPECT_GE(tp, 1u);
        EXPECT_LE(tp, 20u);
        EXPECT_EQ((word(block, at + 12) >> 2 & 1) != 0, radio);
        EXPECT_NE(block[at + 1], 0) << "name must start with a character";
    };
    for (std::size_t i = 0; i < 40; ++i) checkChannel(tv + 28 * i, false);
    for (std::size_t i = 0; i < 10; ++i) checkChannel(0x20000 - 32 - 28 * i, true);
    EXPECT_EQ(block[tv + 40 * 28], 0xFF) << "no record after the last TV channel";
    // Names are stored in swapped pairs: "SAT-EAST" begins with 'A', 'S'.
    EXPECT_EQ(block[72 + 6], 'A');
    EXPECT_EQ(block[72 + 7], 'S');
}

}  // namespace
}  // namespace zev::boxsim::test
