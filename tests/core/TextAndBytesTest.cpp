#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/ByteOrder.h"
#include "core/FileName.h"
#include "core/NativeFile.h"
#include "core/TextFormat.h"

namespace zev {
namespace {

TEST(FileExtensionTest, IsTheTextAfterTheLastDotOfTheLastPathComponent) {
    EXPECT_EQ(FileExtension("update.cus"), "cus");
    EXPECT_EQ(FileExtension("/home/zev/box.v2/params.all.stc"), "stc");
    EXPECT_EQ(FileExtension("SOFT.SGN"), "SGN");  // compared case-sensitively by callers
    EXPECT_EQ(FileExtension("*.*"), "*");
    EXPECT_EQ(FileExtension("trailing."), "");
}

TEST(FileExtensionTest, NameWithoutADotHasNone) {
    // A file called "stc" is not a parameter image, and a dot in a folder name does not count.
    EXPECT_EQ(FileExtension("stc"), "");
    EXPECT_EQ(FileExtension("/tmp/box.v2/stc"), "");
    EXPECT_EQ(FileExtension(""), "");
#ifdef _WIN32
    EXPECT_EQ(FileExtension("C:\\box.v2\\stc"), "");
#endif
}

// Windows gives these names to devices in every folder: reading or replacing them would use a
// device (a serial port even), so the file rules refuse them on Windows.
TEST(FileNameTest, WindowsDeviceNamesAreKnownWhereverTheyStand) {
    for (const char* device :
         {"NUL", "nul.stc", "C:\\data\\Com1.txt", "dir/LPT9", "con ", "aux.tar.gz", "C:prn",
          "CONOUT$", "com0", "\\\\.\\COM10", "//./pipe/x"}) {
        EXPECT_TRUE(IsWindowsDeviceName(device)) << device;
    }
    for (const char* file : {"null.stc", "COM10", "com1x.stc", "nul/box.stc", "console.txt",
                             "C:\\CON\\box.stc", "\\\\?\\C:\\box.stc", ""}) {
        EXPECT_FALSE(IsWindowsDeviceName(file)) << file;
    }
}

TEST(FormatTest, LongTextsAreNeverCut) {
    const std::string name(1000, 'n');
    const std::string text = Format("TV channel %d \"%s\" is too long.", 7, name.c_str());
    EXPECT_EQ(text, "TV channel 7 \"" + name + "\" is too long.");
}

TEST(ByteOrderTest, NumbersAreLeastSignificantByteFirst) {
    std::array<uint8_t, 6> bytes{};
    WriteLe32(bytes.data(), 0x0000717A);
    WriteLe16(bytes.data() + 4, 0x0D36);
    EXPECT_EQ(bytes, (std::array<uint8_t, 6>{0x7A, 0x71, 0x00, 0x00, 0x36, 0x0D}));
    EXPECT_EQ(ReadLe32(bytes.data()), 0x0000717Au);
    EXPECT_EQ(ReadLe16(bytes.data() + 4), 0x0D36);
}

TEST(ByteOrderTest, SwappingPairsTwiceGivesTheNameBack) {
    const std::array<uint8_t, 4> name = {'A', 'B', 'C', 'D'};
    std::array<uint8_t, 4> stored{};
    SwapPairs(name.data(), stored.data(), stored.size());
    EXPECT_EQ(stored, (std::array<uint8_t, 4>{'B', 'A', 'D', 'C'}));
    std::array<uint8_t, 4> back{};
    SwapPairs(stored.data(), back.data(), back.size());
    EXPECT_EQ(back, name);
}

}  // namespace
}  // namespace zev
