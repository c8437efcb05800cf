#include <gtest/gtest.h>

#include <filesystem>

#include "FakeRunHost.h"

namespace zev::test {
namespace {

const std::string kSat = "S:09750,U,0,10600,0,0,0,2,SAT1\n";
const std::string kTp = "T:11778,V,0,00,001,27500,01070\n";
const std::string kChannel = "C:0512,0650,8190,0000,0000,0,P,0,L,00001,00001,00001,CH1\n";

std::string ParameterFile(int s, int t, int c) {
    std::string all;
    for (int i = 0; i < s; ++i) all += kSat;
    for (int i = 0; i < t; ++i) all += kTp;
    for (int i = 0; i < c; ++i) all += kChannel;
    return all;
}

class BootLoaderRunTest : public ::testing::Test {
  protected:
    void StartParameters(const std::string& content) {
        rig.file = WriteTempFile("update.txt", content);
        rig.session.UpdateParameters(rig.file);
        ASSERT_EQ(rig.session.Mode(), ProtocolMode::UpdateParameters);
    }
    void StartSoftware(std::size_t size, const std::string& name = "soft.cus") {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
        software.assign(bytes.begin(), bytes.end());
        rig.file = WriteTempFile(name, bytes);
        rig.session.UpdateSoftware(rig.file);
        ASSERT_EQ(rig.session.Mode(), ProtocolMode::UpdateSoftware);
    }
    // Sign, hello and ready frame: the first block goes out.
    void ReachData(uint8_t sign) {
        rig.Feed({sign});
        rig.Feed(kHello);
        rig.host.TakeSent();
        rig.host.TakeText();
        rig.Feed(kReady);
    }
    std::vector<uint8_t> Image(std::size_t length) const {
        return {rig.images->input.begin(), rig.images->input.begin() + length};
    }
    void Finish(const std::vector<uint8_t>& result) {
        rig.Feed({0x33, 0x1B});
        rig.Feed(result);
    }

    SessionRig rig;
    std::vector<uint8_t> software;
};

TEST_F(BootLoaderRunTest, CommandStartsTheRunAndWaitsForTheReset) {
    StartParameters(ParameterFile(1, 1, 1));
    const std::string& t = rig.host.text;
    EXPECT_NE(t.find("\n*****************************************************\n** ZEV Management "
                     "Utility for Orvane-Settop Box **\n**      Communicating with 'Boot loader "
                     "V2.0'      **\n**"),
              std::string::npos);
    EXPECT_NE(t.find("Version 2.0"), std::string::npos);
    EXPECT_NE(t.find("\nFile '" + rig.file +
                     "' Open! \n COM1 is open!"
                     "\nPlease reset ZEV. Waiting for sign from 'Boot loader' =>"),
              std::string::npos);
    EXPECT_EQ(rig.host.waitingForReset, 1);
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::None);  // read once, by the command
    EXPECT_TRUE(rig.host.statusConnected);
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST_F(BootLoaderRunTest, ImageOfOneBlockGoesWithItsChecksumAtOnce) {
    StartParameters(ParameterFile(1, 35, 280));
    rig.Feed({0x0F});  // the software sign means nothing here
    EXPECT_TRUE(rig.host.sent.empty());
    ReachData(0xAA);
    const std::vector<uint8_t> image = Image(8192);
    EXPECT_EQ(rig.host.TakeSent(),
              Concat({Le32(8192), Le32(0xD0000), image, Le32(WordSum(image))}));
    EXPECT_EQ(rig.host.TakeText(),
              "\n  S:[1]\n  T:[35]\n  C:[280]\n  END Sent Data: [1/1]\tsize=0x0000");
    Finish({0x02, 0x05, 0x03});
    EXPECT_EQ(rig.host.text, "\n<<Update Over!>>");
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    ASSERT_EQ(rig.host.finished.size(), 1u);
    EXPECT_EQ(rig.host.finished[0], std::make_pair(ProtocolMode::UpdateParameters, true));
}

TEST_F(BootLoaderRunTest, ImageOfThreeBlocksWaitsForSyncBetweenThem) {
    StartParameters(ParameterFile(2, 10, 700));
    ReachData(0x0E);
    const std::vector<uint8_t> image = Image(19770);
    std::vector<uint8_t> sent = rig.host.TakeSent();
    EXPECT_EQ(sent.size(), 8u + 8192);
    rig.Feed(kSync);
    EXPECT_EQ(rig.host.sent.size(), 8192u);
    rig.Feed(kSync);
    sent = Concat({sent, rig.host.TakeSent()});
    EXPECT_EQ(sent, Concat({Le32(19770), Le32(0xD0000), image, Le32(WordSum(image))}));
    const std::string t = rig.host.TakeText();
    EXPECT_NE(t.find("\n  Sent Data: [1/3]\tsize=0x2000\n  Sent Data: [2/3]\tsize=0x2000"
                     "\n  END Sent Data: [3/3]\tsize=0x0d3a"),
              std::string::npos);
    EXPECT_EQ(rig.session.ProtocolStep(), 4);
}

TEST_F(BootLoaderRunTest, ChannelListImageGoesToItsOwnAddress) {
    StartParameters(
        "C:00000,0,0,00000,H,0,00,000,0,0,,0000,P,0,0000,0,0,0000,L,0,0000,,00000,"
        "0,0,0,NAME\n");
    ReachData(0x0E);
    const std::vector<uint8_t> sent = rig.host.TakeSent();
    EXPECT_EQ(std::vector<uint8_t>(sent.begin(), sent.begin() + 8),
              Concat({Le32(54 + 34), Le32(0x6000)}));
    EXPECT_EQ(rig.host.text, "C:[1]\n  END Sent Data: [1/1]\tsize=0x0058");
}

TEST_F(BootLoaderRunTest, SoftwareOfOddLengthEndsItsChecksumWithAnFfWord) {
    StartSoftware(8192 + 5);
    rig.Feed({0xAA});
    rig.Feed(kHello);
    EXPECT_EQ(rig.host.TakeSent(), Concat({{0x55}, kHelloAnswer}));
    rig.Feed(kReady);
    rig.Feed(kSync);
    EXPECT_EQ(rig.host.TakeSent(),
              Concat({Le32(8197), Le32(0x10000), software, Le32(WordSum(software))}));
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::None);  // closed after the last block
}

TEST_F(BootLoaderRunTest, ChecksumErrorPrintsTheAddressOnce) {
    StartSoftware(10);
    ReachData(0x0F);
    rig.host.TakeText();
    Finish({0x02, 0x07, 0xa0, 0xa1, 0xa2, 0xa3, 0x03});
    EXPECT_EQ(rig.host.text, "\n<<Update Failure!>>\n!Error: BOOT_CHECKSUM_ERR--0xa3a2a1a0");
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::UpdateSoftware, false));
    rig.Feed({0x02, 0x07, 1, 2, 3, 4, 0x03});  // the run is over: nothing more
    EXPECT_EQ(CountOf(rig.host.text, "--0x"), 1u);
}

struct ErrorCase {
    std::vector<uint8_t> bytes;  // after the sign
    std::string line;
    bool runEnds;
};

TEST_F(BootLoaderRunTest, EveryMalformedFrameAndResultHasItsLine) {
    const std::vector<uint8_t> toData = Concat({kHello, kReady});
    const std::vector<ErrorCase> cases = {
        {{0x02, 0x01, 0x04}, "\n Update Fail ! ", true},
        {Concat({kHello, {0x05}}), "\n  Command format Error0!", true},
        {Concat({kHello, {0x02, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0x04}}), "\n  Command format Error1!",
         true},
        {Concat({kHello, {0x02, 0x09, 0, 0, 0, 0, 0, 0, 0, 0, 0x03}}), "\n  Not Expected Command!",
         true},
        {Concat({toData, {0x16}}), "\n  Command format Error2!", true},
        {Concat({toData, {0x02, 0x16, 0x04}}), "\n  Command format Error3!", true},
        {Concat({toData, {0x02, 0x17, 0x03}}), "\n  !Error: No SYNC Command!", false},
        {Concat({toData, {0x02, 0x17, 0x03, 0x1B, 0x02, 0x09, 0x03}}),
         "\n<<Update Failure!>>\n!Error: BOOT_LENGTH_ERR", true},
        {Concat({toData, {0x02, 0x17, 0x03, 0x1B, 0x02, 0x08, 0, 0, 1, 0, 0x03}}),
         "\n<<Update Failure!>>\n!Error: BOOT_FLASH_ERR--0x00010000", true},
        {Concat({toData, {0x02, 0x17, 0x03, 0x1B, 0x02, 0x44, 0x03}}),
         "\n<<Update Failure!>>\n!Error: UNKNOWN_ERR", true},
    };
    for (const ErrorCase& c : cases) {
        SessionRig fresh;
        fresh.file = WriteTempFile("big.cus", std::string(9000, 'x'));
        fresh.session.UpdateSoftware(fresh.file);
        fresh.Feed({0x0F});
        fresh.host.TakeText();
        fresh.Feed(c.bytes);
        EXPECT_NE(fresh.host.text.find(c.line), std::string::npos) << c.line;
        EXPECT_EQ(fresh.session.Mode() == ProtocolMode::Idle, c.runEnds) << c.line;
    }
}

// Ended from outside after its first block, an update leaves the flash half written: the
// terminal says so once, on a line of its own after the run's own lines and before anything a
// new command prints. Before the first block, or when the box ends the run itself, nothing is
// added.
TEST_F(BootLoaderRunTest, UpdateEndedAfterItsFirstBlockSaysItIsIncomplete) {
    const std::string line =
        "\nThe update is incomplete! Please reset ZEV and run the update again.";
    StartSoftware(20000);
    rig.Feed({0x0F});
    rig.session.StopUpdate();  // still in the handshake
    EXPECT_EQ(rig.host.text.find(line), std::string::npos);

    StartSoftware(20000);
    ReachData(0x0F);
    rig.host.TakeText();
    rig.session.StopUpdate();
    EXPECT_EQ(rig.host.text, "\nCOM1 has been closed!" + line);
    EXPECT_EQ(rig.host.outcomes.back(),
              (RunOutcome{ProtocolMode::UpdateSoftware, RunEnd::Stopped, RunReason::StopUpdate}));

    StartSoftware(20000);
    ReachData(0x0F);
    rig.Feed(kSync);
    rig.host.TakeText();
    rig.session.OnLinkLost("device removed");
    EXPECT_EQ(CountOf(rig.host.text, line), 1u);
    EXPECT_EQ(rig.host.text.rfind(line), rig.host.text.size() - line.size());
    EXPECT_EQ(rig.host.outcomes.back().reason, RunReason::LinkLost);

    // The box stopped taking bytes: the link gave up on them.
    StartSoftware(20000);
    ReachData(0x0F);
    rig.host.TakeText();
    rig.session.OnWriteFailed("no byte left for 2050 ms");
    EXPECT_EQ(rig.host.text,
              "\nSending to COM1 failed: no byte left for 2050 ms. The port is closed." + line);
    EXPECT_EQ(rig.host.outcomes.back(),
              (RunOutcome{ProtocolMode::UpdateSoftware, RunEnd::Failed, RunReason::WriteFailed}));
    EXPECT_FALSE(rig.host.linkOpen);

    // F8 pressed during a software transfer: the new run's banner follows the line.
    StartSoftware(20000);
    ReachData(0x0F);
    rig.host.TakeText();
    rig.session.UpdateSoftware(rig.file);
    EXPECT_EQ(rig.host.text.find(line + "\n*****"), 0u) << rig.host.text;
    EXPECT_EQ(CountOf(rig.host.text, line), 1u);
    EXPECT_EQ(rig.host.outcomes.back(),
              (RunOutcome{ProtocolMode::UpdateSoftware, RunEnd::Stopped, RunReason::Restarted}));
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::UpdateSoftware);
    EXPECT_EQ(rig.session.ProtocolStep(), 0);
    rig.session.StopUpdate();

    StartSoftware(10);
    ReachData(0x0F);
    rig.host.TakeText();
    Finish({0x02, 0x08, 0, 0, 1, 0, 0x03});
    rig.session.StopUpdate();  // the box ended the run: its own lines said what happened
    EXPECT_EQ(rig.host.text.find(line), std::string::npos);
}

TEST_F(BootLoaderRunTest, NoSyncStopsSendingAndClosesTheSoftwareFile) {
    StartSoftware(9000);
    ReachData(0x0F);
    rig.host.TakeSent();
    rig.Feed({0x02, 0x17, 0x03});
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::None);
    EXPECT_EQ(rig.session.ProtocolStep(), 4);
}

TEST_F(BootLoaderRunTest, CommandsRefuseWhatCannotBeSent) {
    rig.session.UpdateParameters(rig.file);
    EXPECT_EQ(rig.host.messages.back().text, "Please open params data file!");
    EXPECT_EQ(rig.host.messages.back().caption, "Warning");
    rig.session.UpdateSoftware(rig.file);
    EXPECT_EQ(rig.host.messages.back().text, "Please open software data file!");

    rig.file = ::testing::TempDir() + "missing.txt";
    rig.session.UpdateParameters(rig.file);
    EXPECT_EQ(rig.host.messages.back().text.rfind("\nFailed to open " + rig.file + ". \n", 0), 0u);
    rig.file = WriteTempFile("nothing.txt", "no records\n");
    rig.session.UpdateParameters(rig.file);
    EXPECT_EQ(rig.host.messages.back().text, "Input file is invalid !");
    EXPECT_EQ(rig.host.messages.back().caption, "zev");

    rig.file = WriteTempFile("soft.CUS", "abc");
    rig.session.UpdateSoftware(rig.file);
    EXPECT_NE(rig.host.text.find("\nOpen file is invalid, exit!"), std::string::npos);
    rig.file = ::testing::TempDir() + "missing.cus";
    rig.session.UpdateSoftware(rig.file);
    EXPECT_EQ(rig.host.messages.back().text.rfind("\nFailed to open " + rig.file + ".\n", 0), 0u);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_FALSE(rig.host.linkOpen);
}

TEST_F(BootLoaderRunTest, TooManyLinesOrAnEmptyOrHugeSoftwareFileStartNoRun) {
    const std::vector<std::string> refused = {
        WriteTempFile("many.txt", ParameterFile(256, 1, 1)),
    };
    rig.file = refused[0];
    rig.session.UpdateParameters(rig.file);
    rig.file = WriteTempFile("empty.cus", "");
    rig.session.UpdateSoftware(rig.file);
    rig.file = WriteTempFile("huge.cus", std::string(255 * 8192 + 1, 'x'));
    rig.session.UpdateSoftware(rig.file);
    ASSERT_EQ(rig.host.messages.size(), 3u);
    for (const ShownMessage& m : rig.host.messages) {
        EXPECT_EQ(m.caption, "Warning");
        EXPECT_NE(rig.host.text.find("\n" + m.text), std::string::npos);
    }
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::None);
    EXPECT_FALSE(rig.host.linkOpen);
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST_F(BootLoaderRunTest, SoftwareFileThatShrinksMidTransferStopsTheRun) {
    StartSoftware(3 * 8192);
    ReachData(0x0F);
    rig.host.TakeSent();
    std::filesystem::resize_file(rig.file, 8192 + 100);
    rig.Feed(kSync);
    EXPECT_TRUE(rig.host.sent.empty());  // nothing of the unreadable block went out
    EXPECT_NE(rig.host.text.find("can't be read"), std::string::npos);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::None);
}

TEST_F(BootLoaderRunTest, LinkThatCannotOpenStartsNoRun) {
    rig.host.openFails = true;
    rig.file = WriteTempFile("a.cus", "abc");
    rig.session.UpdateSoftware(rig.file);
    EXPECT_NE(rig.host.text.find("\nCan't open connection, maybe COM has been opened!"),
              std::string::npos);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

TEST_F(BootLoaderRunTest, StopUpdateClosesFileAndLinkAndEndsTheRun) {
    StartSoftware(100);
    rig.host.TakeText();
    rig.session.StopUpdate();
    EXPECT_EQ(rig.host.TakeText(), "\nCOM1 has been closed!");
    EXPECT_EQ(rig.host.dataFileForgotten, 1);
    EXPECT_EQ(rig.session.OpenFileState(), OpenFile::None);
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_FALSE(rig.host.statusConnected);
    EXPECT_EQ(rig.host.finished.back(), std::make_pair(ProtocolMode::UpdateSoftware, false));
    rig.session.StopUpdate();
    EXPECT_EQ(rig.host.text, "\nOh, maybe COM1 hasn't been opened!");
}

}  // namespace
}  // namespace zev::test
