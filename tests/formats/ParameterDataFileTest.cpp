#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "formats/ParameterUpdateImage.h"
#include "support/DataFileLines.h"

namespace zev::test {
namespace {

using testing::ListChannelLine;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

const std::string kSatLine = "S:09750,U,0,10600,0,0,0,2,SAT1\n";
const std::string kTpLine = "T:11778,V,0,00,001,27500,01070\n";
const std::string kFullChannelLine = "C:0512,0650,8190,0000,0000,0,P,0,L,00001,00001,00001,CH1\n";

std::string Repeat(const std::string& line, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i) {
        all += line;
    }
    return all;
}

class ParameterDataFileTest : public ::testing::Test {
  protected:
    // Parses `content` and builds the image into `image`.
    void Build(const std::string& content) {
        ASSERT_TRUE(file.Parse(Bytes(content)));
        length = UpdateImageLength(file);
        image.assign(length, 0xEE);
        BuildUpdateImage(file, image);
        counts = UpdateImageCountsText(file);
    }
    std::vector<uint8_t> At(std::size_t offset, std::size_t count) const {
        return {image.begin() + offset, image.begin() + offset + count};
    }
    uint32_t Le32At(std::size_t offset) const {
        return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 |
               image[offset + 3] << 24;
    }

    ParameterDataFile file;
    std::string counts;
    uint32_t length = 0;
    std::vector<uint8_t> image;
};

TEST_F(ParameterDataFileTest, FullDatabaseFileGivesHeaderAndPackedRecords) {
    Build("; comment line\n" + kSatLine + kTpLine + kFullChannelLine);
    ASSERT_EQ(length, 108u);
    EXPECT_TRUE(file.FullDatabase());
    EXPECT_EQ(At(0, 12), (std::vector<uint8_t>{0x7A, 0x71, 0, 0, 0, 0, 0, 0, 0, 0, 0x0D, 0x07}));
    EXPECT_EQ(Le32At(12), 108u);
    EXPECT_EQ(At(16, 2), (std::vector<uint8_t>{54, 0}));
    // Table entries: type, size, count, offset.
    EXPECT_EQ(At(18, 8), (std::vector<uint8_t>{11, 0, 18, 0, 0, 0, 1, 0}));
    EXPECT_EQ(Le32At(26), 54u);
    EXPECT_EQ(At(30, 8), (std::vector<uint8_t>{12, 0, 8, 0, 0, 0, 1, 0}));
    EXPECT_EQ(Le32At(38), 72u);
    EXPECT_EQ(At(42, 8), (std::vector<uint8_t>{1, 0, 28, 0, 0, 0, 1, 0}));
    EXPECT_EQ(Le32At(50), 80u);
    // The name keeps the line's end-of-line character, in swapped pairs.
    EXPECT_EQ(At(54, 16), (std::vector<uint8_t>{0x5A, 0x98, 0xA0, 0xA5, 0x20, 0x00, 'A', 'S', '1',
                                                'T', 0, '\n', 0, 0, 0, 0}));
    EXPECT_EQ(At(72, 8), (std::vector<uint8_t>{0x0A, 0xB8, 0x80, 0x00, 0x6C, 0x6B, 0x2E, 0x04}));
    EXPECT_EQ(At(80, 28),
              (std::vector<uint8_t>{'H',  'C',  '\n', '1',  0, 0, 0,    0, 0, 0, 0, 0, 0x00, 0x10,
                                    0x50, 0x14, 0xF0, 0xFF, 0, 0, 0x20, 0, 1, 0, 1, 0, 0,    0}));
    EXPECT_EQ(counts, "\n  S:[1]\n  T:[1]\n  C:[1]");
}

TEST_F(ParameterDataFileTest, ChannelListFileHoldsOnlyChannelRecords) {
    const std::string line = ListChannelLine({{18, 'V'}, {40, 'N'}, {58, 'M'}}, "ABCD");
    Build(Repeat(line, 3));
    EXPECT_FALSE(file.FullDatabase());
    EXPECT_EQ(length, 54u + 34 * 3);
    EXPECT_EQ(counts, "C:[3]");
    const std::size_t r = 54 + 34;  // the second record
    EXPECT_EQ(At(r, 10), (std::vector<uint8_t>{'B', 'A', 'D', 'C', 0, '\n', 0, 0, 0, 0}));
    EXPECT_EQ(At(r + 12, 2), (std::vector<uint8_t>{2, 0}));  // polarisation V
    EXPECT_EQ(At(r + 18, 2), (std::vector<uint8_t>{1, 0}));  // N
    EXPECT_EQ(At(r + 22, 2), (std::vector<uint8_t>{3, 0}));  // M
}

TEST_F(ParameterDataFileTest, ChannelListFieldsLandInTheirBits) {
    Build(ListChannelLine({{6, '1'},
                           {8, '1'},
                           {10, '1'},
                           {23, '3'},
                           {27, '2'},
                           {29, '1'},
                           {31, '1'},
                           {51, '1'},
                           {49, '1'},
                           {73, '7'},
                           {75, '5'}},
                          "NAME"));
    EXPECT_EQ(At(54 + 10, 2), (std::vector<uint8_t>{4 | 2 | 1, 0}));
    EXPECT_EQ(At(54 + 14, 2), (std::vector<uint8_t>{4 | 1, 6}));  // n 3 * 512, s 2 * 2, d 1
    EXPECT_EQ(At(54 + 16, 2), (std::vector<uint8_t>{0, 0x10}));   // e * 4096
    EXPECT_EQ(At(54 + 20, 2), (std::vector<uint8_t>{4 | 1, 0}));  // h * 4 | g
    EXPECT_EQ(At(54 + 26, 4), (std::vector<uint8_t>{7, 0, 5, 0}));
}

TEST_F(ParameterDataFileTest, LettersOutsideTheirSetsTakeFixedValues) {
    std::string sat = kSatLine;
    sat[8] = 'N';
    std::string tp = kTpLine;
    tp[8] = 'h';  // anything but 'V' is horizontal
    std::string lsrm = kFullChannelLine;
    lsrm[33] = 'X';
    std::string pnu = kFullChannelLine;
    pnu[29] = 'X';
    Build(sat + tp + lsrm + pnu);
    EXPECT_EQ(At(54, 2), (std::vector<uint8_t>{0x58, 0x98}));  // 9750 * 4, LNB type 0
    EXPECT_EQ(At(72, 2), (std::vector<uint8_t>{0x08, 0xB8}));
    EXPECT_EQ(At(80 + 16, 2), (std::vector<uint8_t>{0xF2, 0xFF}));   // 'X' at 33 gives 2
    EXPECT_EQ(At(108 + 12, 2), (std::vector<uint8_t>{0x00, 0x10}));  // 'X' at 29 gives 0
    // Unknown letters of the channel-list layout follow the same rule.
    ParameterDataFile list;
    ASSERT_TRUE(list.Parse(Bytes(ListChannelLine({{18, 'x'}, {40, 'x'}, {58, 'x'}}, "A"))));
    std::vector<uint8_t> out(UpdateImageLength(list));
    BuildUpdateImage(list, out);
    EXPECT_EQ(out[54 + 12], 0);
    EXPECT_EQ(out[54 + 18], 0);
    EXPECT_EQ(out[54 + 22], 2);
}

TEST_F(ParameterDataFileTest, MalformedLineIsReportedKeepsItsRecordAndStillCounts) {
    Build(kSatLine + kTpLine);
    std::string bad = kSatLine;
    bad[17] = '.';
    bad[2] = '1';
    ::testing::internal::CaptureStdout();
    Build(bad + bad + kTpLine);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");  // the parse prints nothing
    EXPECT_EQ(file.MalformedLines(),
              (std::vector<MalformedLine>{{.kind = 'S', .index = 0}, {.kind = 'S', .index = 1}}));
    EXPECT_EQ(MalformedLineText(file.MalformedLines()[1]), " S: 1 line error!");
    EXPECT_EQ(file.SatelliteCount(), 2u);
    EXPECT_EQ(At(54, 2), (std::vector<uint8_t>{0x5A, 0x98}));  // what the first parse put there
}

TEST_F(ParameterDataFileTest, OnlyTheFirstPieceOfALongLineIsRead) {
    // 99 characters, then a piece that happens to begin like an S line.
    const std::string longLine = "X" + std::string(98, '-') + kSatLine;
    Build(kTpLine + longLine + "C:0512,0650,8190,0000,0000,0,P,0,L,00001,00001,00001,CH1\r\n");
    EXPECT_EQ(file.SatelliteCount(), 0u);
    EXPECT_EQ(file.ChannelCount(), 1u);
    // A CR LF line end reads as LF, as in text mode.
    EXPECT_EQ(At(54 + 8, 4), (std::vector<uint8_t>{'H', 'C', '\n', '1'}));
}

TEST_F(ParameterDataFileTest, LineHoldingANulEndsAtItsLineFeedAndNameStopsAtTheNul) {
    // The NUL used to end the line early, so the line after it was taken for its rest and lost.
    const std::string named = ListChannelLine({}, "AB");
    std::string nul = ListChannelLine({}, "XY");
    nul[82] = '\0';
    Build(nul + named + named);
    EXPECT_EQ(file.ChannelCount(), 3u);
    EXPECT_EQ(counts, "C:[3]");
    EXPECT_EQ(length, 54u + 34 * 3);
    EXPECT_EQ(At(54, 10), (std::vector<uint8_t>{0, 'X', 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(At(54 + 34 * 2, 4), (std::vector<uint8_t>{'B', 'A', 0, '\n'}));
}

TEST_F(ParameterDataFileTest, FileWithoutRecordLinesFails) {
    EXPECT_FALSE(file.Parse(Bytes("hello\nX:1\n")));
    EXPECT_FALSE(file.Parse({}));
}

TEST_F(ParameterDataFileTest, MoreLinesThanTablesOrBufferHoldAreNamed) {
    ASSERT_TRUE(file.Parse(Bytes(Repeat(kSatLine, 256))));
    EXPECT_NE(UpdateImageProblem(file, kInputImageSize), "");
    ASSERT_TRUE(file.Parse(Bytes(Repeat(kSatLine, 255))));
    EXPECT_EQ(UpdateImageProblem(file, kInputImageSize), "");
    ASSERT_TRUE(file.Parse(Bytes(Repeat(kTpLine, 5001))));
    EXPECT_NE(UpdateImageProblem(file, kInputImageSize), "");
    // 7800 channel-list records are 265,254 bytes: within the table, beyond the buffer.
    ASSERT_TRUE(file.Parse(Bytes(Repeat(ListChannelLine({}, "A"), 7800))));
    EXPECT_GT(UpdateImageLength(file), kInputImageSize);
    EXPECT_NE(UpdateImageProblem(file, kInputImageSize), "");
}

}  // namespace
}  // namespace zev::test
