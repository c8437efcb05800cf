#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "settings/SettingsFile.h"
#include "support/SpecialFiles.h"

namespace zev {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("zev_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "default.dat").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Contents() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Write(const std::string& bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }

    fs::path dir_;
    std::string path_;
};

const std::string kDefaultRecord =
    std::string("115200,8,None,COM1,1,None,2,2,") + std::string(20, '\0');

TEST_F(SettingsFileTest, FirstStartCreatesTheDefaultRecord) {
    EXPECT_EQ(LoadSettingsFile(path_), LinkSettings{});
    EXPECT_EQ(Contents(), kDefaultRecord);
    EXPECT_EQ(LoadSettingsFile(path_), LinkSettings{});  // and reads it back
}

TEST_F(SettingsFileTest, ReadsAllEightFields) {
    Write("9600,8,Even,COM2,2,Hardware,3,4," + std::string(19, '\0'));
    const LinkSettings s = LoadSettingsFile(path_);
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.parity, Parity::Even);
    EXPECT_EQ(s.portName, "COM2");
    EXPECT_EQ(s.stopBits, StopBits::Two);
    EXPECT_EQ(s.flowControl, FlowControl::Hardware);
    EXPECT_EQ(s.flashSizeIndex, 3);
    EXPECT_EQ(s.userSizeIndex, 4);
}

TEST_F(SettingsFileTest, ChoiceTextsBecomeValuesAndGoBackByteForByte) {
    const auto record = [](const std::string& text) {
        return text + std::string(50 - text.size(), '\0');
    };
    Write(record("9600,8,Mask,COM1,1.5,Xon/Xoff,2,2,"));
    LinkSettings s = LoadSettingsFile(path_);
    EXPECT_EQ(s.parity, Parity::Mark);  // "Mask" is mark parity
    EXPECT_EQ(s.stopBits, StopBits::OneAndHalf);
    EXPECT_EQ(s.flowControl, FlowControl::XonXoff);
    ASSERT_TRUE(SaveSettingsFile(s, path_));
    EXPECT_EQ(Contents(), record("9600,8,Mask,COM1,1.5,Xon/Xoff,2,2,"));

    // Typed texts that name no value (case counts) stay exactly as they were typed.
    Write(record("9600,8,mark,COM1,1.25,RTS/CTS,2,2,"));
    s = LoadSettingsFile(path_);
    EXPECT_FALSE(s.parity.Known().has_value());
    EXPECT_FALSE(s.stopBits.Known().has_value());
    EXPECT_EQ(s.flowControl.UnlistedText(), "RTS/CTS");
    ASSERT_TRUE(SaveSettingsFile(s, path_));
    EXPECT_EQ(Contents(), record("9600,8,mark,COM1,1.25,RTS/CTS,2,2,"));
}

TEST_F(SettingsFileTest, FewerThanEightCommasKeepDefaultsForFieldsNotReached) {
    Write("9600,7,Odd,COM3");  // the port name has no comma: ignored
    const LinkSettings s = LoadSettingsFile(path_);
    EXPECT_EQ(s.baudRate, 9600);
    EXPECT_EQ(s.dataBits, 7);
    EXPECT_EQ(s.parity, Parity::Odd);
    EXPECT_EQ(s.portName, "COM1");
    EXPECT_EQ(s.userSizeIndex, 2);

    Write("");
    EXPECT_EQ(LoadSettingsFile(path_), LinkSettings{});
}

TEST_F(SettingsFileTest, NumericFieldsConvertTheirLeadingDigits) {
    EXPECT_EQ(ParseSettingsInt("  +57600baud"), 57600);
    EXPECT_EQ(ParseSettingsInt("-3"), -3);
    EXPECT_EQ(ParseSettingsInt("fast"), 0);
    EXPECT_EQ(ParseSettingsInt(""), 0);
    EXPECT_EQ(ParseSettingsInt("99999999999999999999"), 2147483647);
    Write("abc,8,None,COM1,1,None,x,2,");
    EXPECT_EQ(LoadSettingsFile(path_).baudRate, 0);
}

TEST_F(SettingsFileTest, SaveKeepsTheRecordAndDoesNotTruncate) {
    Write(kDefaultRecord + "tail");
    LinkSettings s;
    s.portName = "COM2";
    s.flashSizeIndex = 3;
    ASSERT_TRUE(SaveSettingsFile(s, path_));
    EXPECT_EQ(Contents(),
              std::string("115200,8,None,COM2,1,None,3,2,") + std::string(20, '\0') + "tail");
    EXPECT_EQ(LoadSettingsFile(path_), s);
}

// A port name such as /dev/serial/by-id/... runs past the 50-byte record. Cut at 50 bytes it
// would name no port and lose every field after it; written whole, each field comes back.
TEST_F(SettingsFileTest, LongPortNameIsWrittenWholeAndReadBack) {
    LinkSettings s;
    s.baudRate = 9600;
    s.dataBits = 7;
    s.parity = Parity::Even;
    s.portName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    s.stopBits = StopBits::Two;
    s.flowControl = FlowControl::XonXoff;
    s.flashSizeIndex = 3;
    s.userSizeIndex = 4;
    ASSERT_TRUE(SaveSettingsFile(s, path_));
    EXPECT_EQ(Contents(), "9600,7,Even," + s.portName + ",2,Xon/Xoff,3,4,");
    EXPECT_EQ(LoadSettingsFile(path_), s);
    s.userSizeIndex = 1;  // as Setting Flash writes it: the long name stays
    ASSERT_TRUE(SaveSettingsFile(s, path_));
    EXPECT_EQ(LoadSettingsFile(path_), s);

    LinkSettings shorter;  // back to a record that fits: the stale tail is never read
    shorter.baudRate = 9600;
    ASSERT_TRUE(SaveSettingsFile(shorter, path_));
    EXPECT_EQ(Contents().substr(0, 50), "9600,8,None,COM1,1,None,2,2," + std::string(22, '\0'));
    EXPECT_EQ(LoadSettingsFile(path_), shorter);
}

// default.dat is written like every other file: replaced whole, its mode kept, through a
// symbolic link the file it names; a read-only one is left as it is.
TEST_F(SettingsFileTest, SaveReplacesTheFileWholeAndKeepsItsModeAndLink) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no Unix modes and makes links only with a privilege";
#endif
    namespace fs = std::filesystem;
    const fs::path real = dir_ / "real.dat";
    Write(kDefaultRecord + "tail");
    fs::rename(path_, real);
    fs::create_symlink(real, path_);
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    LinkSettings s;
    s.portName = "COM3";
    ASSERT_TRUE(SaveSettingsFile(s, path_));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(LoadSettingsFile(path_), s);
    EXPECT_EQ(Contents().substr(50), "tail");

    fs::permissions(real, fs::perms::owner_read);
    s.portName = "COM4";
    EXPECT_FALSE(SaveSettingsFile(s, path_));
    EXPECT_EQ(ReadSettingsFile(path_)->portName, "COM3");
    fs::permissions(real, fs::perms::owner_all);
}

TEST_F(SettingsFileTest, UnusableLocationFallsBackToDefaults) {
    const std::string nowhere = (dir_ / "missing" / "default.dat").string();
    EXPECT_EQ(LoadSettingsFile(nowhere), LinkSettings{});
    EXPECT_FALSE(SaveSettingsFile(LinkSettings{}, nowhere));
    EXPECT_FALSE(ReadSettingsFile(nowhere).has_value());
    EXPECT_EQ(LoadSettingsFile(dir_.string()), LinkSettings{});  // a directory, not a file
}

TEST_F(SettingsFileTest, APipeInPlaceOfTheFileGivesTheDefaultsAndSaysSoWithoutWaiting) {
    // Read, the pipe would give other settings; opened for reading, it would wait for ever
    // for a writer.
    ZEV_NEEDS_FIFOS();
    testing::FeedingPipe pipe(path_, "9600,8,Even,COM2,2,Hardware,3,4,");
    ASSERT_TRUE(pipe.Made());
    std::string problem;
    EXPECT_EQ(LoadSettingsFile(path_, &problem), LinkSettings{});
    EXPECT_EQ(problem, "\"" + path_ + "\" is not a regular file; the default settings are used.");
    problem.clear();
    EXPECT_FALSE(ReadSettingsFile(path_, &problem).has_value());
    EXPECT_FALSE(problem.empty());
    EXPECT_FALSE(SaveSettingsFile(LinkSettings{}, path_));
    EXPECT_TRUE(testing::IsPipe(path_));
}

TEST_F(SettingsFileTest, AMissingFileIsNoProblem) {
    std::string problem;
    EXPECT_FALSE(ReadSettingsFile(path_, &problem).has_value());
    EXPECT_EQ(LoadSettingsFile(path_, &problem), LinkSettings{});
    EXPECT_EQ(problem, "");
}

TEST_F(SettingsFileTest, ReadDoesNotCreateTheFile) {
    EXPECT_FALSE(ReadSettingsFile(path_).has_value());
    EXPECT_FALSE(fs::exists(path_));
}

}  // namespace
}  // namespace zev
