// Checksum, numbers and frames of the serial line.
#include <gtest/gtest.h>

#include "UserBlockHeader.h"
#include "WireFormat.h"

namespace zev::boxsim::test {
namespace {

TEST(WireFormat, ChecksumAddsLittleEndianWordsAndPadsAnOddByteWithFF) {
    EXPECT_EQ(dataChecksum(Bytes{}), 0u);
    EXPECT_EQ(dataChecksum(Bytes{0x34, 0x12, 0x01, 0x00}), 0x1235u);
    EXPECT_EQ(dataChecksum(Bytes{0x34, 0x12, 0x7F}), 0x1234u + 0xFF7Fu);
    // The 32-bit sum wraps.
    EXPECT_EQ(dataChecksum(Bytes(0x20000 * 2, 0xFF)), 0xFFFFu * 0x20000u);
}

TEST(WireFormat, NumbersAndFrames) {
    Bytes bytes;
    appendLe32(bytes, 0x0A0B0C0D);
    EXPECT_EQ(bytes, (Bytes{0x0D, 0x0C, 0x0B, 0x0A}));
    EXPECT_EQ(readLe32(bytes, 0), 0x0A0B0C0Du);
    EXPECT_EQ(frameWithAddress(0x07, 0xA3A2A1A0),
              (Bytes{0x02, 0x07, 0xA0, 0xA1, 0xA2, 0xA3, 0x03}));
    EXPECT_EQ(blockCount(0), 0u);
    EXPECT_EQ(blockCount(8192), 1u);
    EXPECT_EQ(blockCount(8193), 2u);
}

TEST(WireFormat, HeaderLongsStoreTheHighWordFirst) {
    Bytes block(8, 0);
    writeHeaderLong(block, 2, 0x110000);
    EXPECT_EQ(Bytes(block.begin() + 2, block.begin() + 6), (Bytes{0x11, 0x00, 0x00, 0x00}));
    EXPECT_EQ(readHeaderLong(block, 2), 0x110000u);
}

}  // namespace
}  // namespace zev::boxsim::test
