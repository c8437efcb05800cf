#include <gtest/gtest.h>

#include "FakeRunHost.h"
#include "formats/SoftwareInfo.h"

namespace zev::test {
namespace {

constexpr uint32_t kInfoOffset = 16;

// An OTA file of `size` bytes whose information sits at offset 16.
std::vector<uint8_t> OtaFile(std::size_t size, uint32_t lengthValue) {
    std::vector<uint8_t> file(size);
    for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<uint8_t>(i * 13 + 1);
    const auto put = [&](std::size_t at, const std::vector<uint8_t>& bytes) {
        std::copy(bytes.begin(), bytes.end(), file.begin() + at);
    };
    put(0, Le32(kInfoOffset));
    put(kInfoOffset + 4, {7, 3, 1, 9});
    put(kInfoOffset + 22, Le32(lengthValue));
    return file;
}

const std::vector<uint8_t> kInfoRequest = {0x02, 0xB4, 0, 0, 0, 0, 0, 0, 0, 0, 0x03};
const std::vector<uint8_t> kOtaSync = {0x02, 0xB2, 0x03};

class OtaRunTest : public ::testing::Test {
  protected:
    void Start(const std::vector<uint8_t>& file) {
        content = file;
        rig.file = WriteTempFile("soft.sgn", Bytes(file));
        rig.session.OtaSoftwareUpdate(rig.file);
    }
    // Sign, hello and information request: the information block is out.
    void ReachInfo() { rig.Feed(Concat({{0xB0}, {0x02, 0xB1, 0x03}, kInfoRequest})); }

    SessionRig rig;
    std::vector<uint8_t> content;
};

TEST(SoftwareInfoTest, DateAndTimeAsTheLoaderWantsThem) {
    std::tm day{};
    day.tm_year = 107;
    day.tm_mon = 2;
    day.tm_mday = 15;
    EXPECT_EQ(ModifiedJulianDate(day), 54174);  // D3 9E
    day = {};
    day.tm_year = 100;  // 1 January 2000: the January rule
    day.tm_mday = 1;
    EXPECT_EQ(ModifiedJulianDate(day), 51544);
    day.tm_year = 99;  // 31 December 1999
    day.tm_mon = 11;
    day.tm_mday = 31;
    EXPECT_EQ(ModifiedJulianDate(day), 51543);
    EXPECT_EQ(ToBcd(59), 0x59);
}

TEST_F(OtaRunTest, CommandPrintsTheFileInformationAndWaitsForTheLoader) {
    Start(OtaFile(100008, 100000));
    ASSERT_EQ(rig.session.Mode(), ProtocolMode::OtaUpdate);
    const std::string& t = rig.host.text;
    EXPECT_NE(t.find("\n**      Communicating with 'Boot loader V3.0'      **"), std::string::npos);
    EXPECT_NE(t.find("Version 3.0"), std::string::npos);
    EXPECT_NE(t.find("\n SoftWare ID: 7\n HardWare Version: 3\n SoftWare Type: 1\n SoftWare "
                     "Version: 9\n SoftWare All Length: 0x000186A8\n OS time:09:41:07 "
                     "date:03/15/07\n COM1 is open!\n\nPlease reset ZEV. Waiting for sign from "
                     "'loader' =>"),
              std::string::npos);
    EXPECT_EQ(rig.host.waitingForReset, 1);
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::OtaFile);
}

TEST_F(OtaRunTest, InformationBlockThenThirteenBlocksAndTheChecksum) {
    Start(OtaFile(100008 + 50, 100000));  // bytes beyond L are not sent
    ReachInfo();
    EXPECT_EQ(rig.host.TakeSent(), Concat({{0xB6},
                                           kHelloAnswer,
                                           {0x02, 7, 3},
                                           Le32(100008),
                                           {0, 0, 3, 0, 0xD3, 0x9E, 0x09, 0x41, 0x07, 0x03}}));
    rig.Feed({0x02, 0xB5, 0x03});
    for (int i = 0; i < 12; ++i) {
        rig.Feed(kOtaSync);
    }
    const std::vector<uint8_t> data(content.begin(), content.begin() + 100008);
    EXPECT_EQ(rig.host.TakeSent(), Concat({data, Le32(WordSum(data))}));
    EXPECT_NE(rig.host.text.find("\n  Sent Data: [12/13]\tsize=0x2000\n  END Sent Data: "
                                 "[13/13]\tsize=0x06a8"),
              std::string::npos);
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::None);
    rig.Feed({0x00, 0xB3, 0x02, 0xC0, 0x03});
    EXPECT_NE(rig.host.text.find("\n<<Update Over!>>"), std::string::npos);
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::OtaUpdate, true));
}

TEST_F(OtaRunTest, RefusedVersionSendsNoDataAndWaitsForTheResult) {
    Start(OtaFile(100, 50));
    ReachInfo();
    rig.host.TakeSent();
    rig.Feed({0x02, 0xC2, 0x03});
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_NE(rig.host.text.find("\n Software Version Info Error!"), std::string::npos);
    rig.host.TakeText();
    rig.Feed({0xB3, 0x02, 0xC4, 0x00, 0x00, 0x01, 0x00, 0x03});
    EXPECT_EQ(rig.host.text, "\n <<Update Failure!>>\n !Error: LOADER_CHECKSUM_ERR --0x00010000");
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

TEST_F(OtaRunTest, EveryErrorHasItsLine) {
    const std::vector<uint8_t> toData =
        Concat({{0x02, 0xB1, 0x03}, kInfoRequest, {0x02, 0xB5, 0x03}});
    const auto result = [&](std::vector<uint8_t> r) {
        return Concat({toData, {0x02, 0x99, 0x03, 0xB3}, r});
    };
    const std::vector<std::tuple<std::vector<uint8_t>, std::string, bool>> cases = {
        {{0x02, 0x01, 0x03}, "\nError Connect!", true},
        {{0x02, 0xB1, 0x03, 0x04}, "\n  Command format STX!", true},
        {Concat({{0x02, 0xB1, 0x03}, {0x02, 0xB4, 0, 0, 0, 0, 0, 0, 0, 0, 0x04}}),
         "\nCommand format ETX!", true},
        {Concat({{0x02, 0xB1, 0x03}, {0x02, 0xB3, 0, 0, 0, 0, 0, 0, 0, 0, 0x03}}),
         "\nNot Expected Command!", true},
        {Concat({{0x02, 0xB1, 0x03}, kInfoRequest, {0x02, 0xB6, 0x03}}), "\n Error INFO Connect!",
         true},
        {Concat({toData, {0x03}}), "\n  Command format Error2!", true},
        {Concat({toData, {0x02, 0xB2, 0x02}}), "\n  Command format Error3!", true},
        {Concat({toData, {0x02, 0x99, 0x03}}), "\n  !Error: No SYNC Command!", false},
        {result({0x02, 0xC3, 0x03}), "\n !Error: LOADER_LENGTH_ERR", true},
        {result({0x02, 0xC5, 0x03}), "\n !Error: LOADER_ERASEFLASH_ERR", false},
        {result({0x02, 0xC5, 0x03, 1, 2, 3, 4}), "\n !Error: LOADER_ERASEFLASH_ERR", true},
        {result({0x02, 0xC6, 0x03, 0x10, 0, 0, 0x03}),
         "\n !Error: LOADER_WRITEFLASH_ERR --0x00001003", true},
        {result({0x02, 0xC2, 0x03}), "\n !Error: LOADER_VERSION_ERR", false},
        {result({0x02, 0x55, 0x03}), "\n !Error: UNKNOWN_ERR", true},
    };
    for (const auto& [bytes, line, ends] : cases) {
        SessionRig fresh;
        fresh.file = WriteTempFile("two.sgn", Bytes(OtaFile(9000, 8992)));
        fresh.session.OtaSoftwareUpdate(fresh.file);
        fresh.Feed({0xB0});
        fresh.host.TakeText();
        fresh.Feed(bytes);
        EXPECT_NE(fresh.host.text.find(line), std::string::npos) << line;
        EXPECT_EQ(fresh.session.Mode() == ProtocolMode::Idle, ends) << line;
    }
}

TEST_F(OtaRunTest, FilesWhoseInformationDoesNotFitAreRefusedBeforeAnyByte) {
    std::vector<uint8_t> beyondEnd = OtaFile(100, 50);
    std::copy_n(Le32(90).begin(), 4, beyondEnd.begin());  // P + 22 lies past the end
    const std::vector<std::vector<uint8_t>> refused = {
        OtaFile(100, 93),                          // L = 101 > 100 bytes
        beyondEnd,                                 // information beyond the file's end
        {0x01, 0x02},                              // no room for the offset
        OtaFile(255 * 8192 + 16, 255 * 8192 + 1),  // 256 blocks
        OtaFile(100, 0xFFFFFFFF),                  // L would wrap to 7
    };
    for (const auto& file : refused) {
        SessionRig fresh;
        fresh.file = WriteTempFile("bad.sgn", Bytes(file));
        fresh.session.OtaSoftwareUpdate(fresh.file);
        ASSERT_EQ(fresh.host.messages.size(), 1u);
        EXPECT_EQ(fresh.host.messages[0].caption, "Warning");
        EXPECT_TRUE(fresh.host.sent.empty());
        EXPECT_FALSE(fresh.host.linkOpen);
        EXPECT_EQ(fresh.session.Mode(), ProtocolMode::Idle);
        EXPECT_EQ(fresh.session.OpenFileState(), OpenFile::None);
    }
}

TEST_F(OtaRunTest, WrongOrMissingFileStartsNoRun) {
    rig.session.OtaSoftwareUpdate(rig.file);
    EXPECT_EQ(rig.host.messages.back().text, "Please open ota software data file!");
    rig.file = WriteTempFile("soft.cus", "abc");
    rig.session.OtaSoftwareUpdate(rig.file);
    EXPECT_EQ(rig.host.text, "\nOpen file is invalid, exit!");
    rig.file = ::testing::TempDir() + "absent.sgn";
    rig.session.OtaSoftwareUpdate(rig.file);
    EXPECT_EQ(rig.host.messages.back().text.rfind("\nFailed to open " + rig.file + ".\n", 0), 0u);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

}  // namespace
}  // namespace zev::test
