// zev-cli update-params, update-software and update-image against the simulated receiver.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "e2e/E2eHarness.h"

namespace zev::test {
namespace {

constexpr std::size_t kParameterAddress = 0xD0000;
constexpr std::size_t kSoftwareAddress = 0x10000;

class BootLoaderE2e : public E2eTest {
  protected:
    // Writes the data file and the image update-image builds from it.
    std::vector<uint8_t> DataFileAndImage(int s, int t, int c) {
        WriteText(Path("params.txt"), ParameterDataText(s, t, c));
        const CliResult built =
            RunCli({"update-image", QPath("params.txt"), QPath("params.img")}, dir.path());
        EXPECT_EQ(built.exitCode, 0) << built.err;
        return ReadFile(Path("params.img"));
    }

    std::vector<uint8_t> Flash(std::size_t at, std::size_t count) {
        const auto flash = ReadFile(Path("flash.bin"));
        if (flash.size() < at + count) return {};
        return {flash.begin() + static_cast<long>(at),
                flash.begin() + static_cast<long>(at + count)};
    }

    QStringList BoxArguments(QStringList more = {}) const {
        return QStringList{"--reset-on-open", "--flash", QPath("flash.bin")} + more;
    }
};

TEST_F(BootLoaderE2e, ImageOfOneFullBlockGoesWithoutSync) {
    const auto image = DataFileAndImage(1, 35, 280);
    ASSERT_EQ(image.size(), 8192u);
    BoxSim box(BoxArguments());
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-params", QPath("params.txt")}, dir.path());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "\n  END Sent Data: [1/1]\tsize=0x0000")) << run.out;
    EXPECT_FALSE(Contains(run.out, "\n  Sent Data:"));
    EXPECT_TRUE(Contains(run.out, "\n<<Update Over!>>"));
    EXPECT_EQ(Flash(kParameterAddress, image.size()), image);
    // A command line never creates the settings file.
    EXPECT_FALSE(std::filesystem::exists(Path("default.dat")));
}

TEST_F(BootLoaderE2e, ImageOfThreeBlocksContinuesWhereEachStopped) {
    const auto image = DataFileAndImage(2, 10, 700);
    ASSERT_EQ(image.size(), 19770u);
    BoxSim box(BoxArguments({"--sign", "0e"}));
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-params", QPath("params.txt")}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    const auto first = run.out.find("\n  Sent Data: [1/3]\tsize=0x2000");
    const auto second = run.out.find("\n  Sent Data: [2/3]\tsize=0x2000");
    const auto last = run.out.find("\n  END Sent Data: [3/3]\tsize=0x0d3a");
    ASSERT_NE(first, std::string::npos) << run.out;
    ASSERT_NE(second, std::string::npos);
    ASSERT_NE(last, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, last);
    EXPECT_EQ(Flash(kParameterAddress, image.size()), image);
}

TEST_F(BootLoaderE2e, SoftwareOfOddLengthArrivesWholeWithItsChecksum) {
    const auto software = PatternBytes(20001);
    WriteFile(Path("soft.cus"), software);
    BoxSim box(BoxArguments({"--sign", "0f"}));
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-software", QPath("soft.cus")}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "\n  END Sent Data: [3/3]\tsize=0x0e21")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n<<Update Over!>>"));
    EXPECT_EQ(Flash(kSoftwareAddress, software.size()), software);
}

TEST_F(BootLoaderE2e, GeneralSignIsAnsweredAndConsoleTextBeforeItIsShown) {
    WriteFile(Path("soft.cus"), PatternBytes(100));
    BoxSim box(BoxArguments());  // sign 0xAA, console chatter on
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-software", QPath("soft.cus")}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    const auto console = run.out.find("\nBoot loader V2.0\nWaiting for the PC...");
    const auto start = run.out.find("\nStart updating software... ");
    ASSERT_NE(console, std::string::npos) << run.out;
    ASSERT_NE(start, std::string::npos);
    EXPECT_LT(console, start);
    EXPECT_FALSE(Contains(run.out, "\r"));  // carriage returns are not shown
}

TEST_F(BootLoaderE2e, SoftwareSignDuringParameterUpdateIsIgnored) {
    WriteText(Path("params.txt"), ParameterDataText(1, 1, 1));
    BoxSim box(BoxArguments({"--sign", "0f"}));
    ASSERT_TRUE(box.ok());
    const CliResult run = RunCli({"--port", QString::fromStdString(box.PtyPath()), "--timeout", "2",
                                  "update-params", QPath("params.txt")},
                                 dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(Contains(run.out, "Start updating"));
    EXPECT_TRUE(Contains(run.err, "no answer from the receiver"));
}

TEST_F(BootLoaderE2e, EachResultErrorIsReportedAndFails) {
    WriteFile(Path("soft.cus"), PatternBytes(300));
    const struct {
        const char* fault;
        const char* line;
        bool address;
    } cases[] = {
        {"boot-length", "\n!Error: BOOT_LENGTH_ERR", false},
        {"boot-checksum", "\n!Error: BOOT_CHECKSUM_ERR", true},
        {"boot-flash", "\n!Error: BOOT_FLASH_ERR", true},
        {"boot-unknown", "\n!Error: UNKNOWN_ERR", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        BoxSim box(BoxArguments({"--fault", c.fault}));
        ASSERT_TRUE(box.ok());
        const CliResult run =
            RunCliOn(box.PtyPath(), {"update-software", QPath("soft.cus")}, dir.path());
        EXPECT_EQ(run.exitCode, 1);
        const auto failure = run.out.find("\n<<Update Failure!>>");
        ASSERT_NE(failure, std::string::npos) << run.out;
        const auto error = run.out.find(c.line, failure);
        ASSERT_NE(error, std::string::npos) << run.out;
        const auto addressLine = run.out.find("--0x", error);
        EXPECT_EQ(addressLine == error + std::string(c.line).size(), c.address) << run.out;
    }
}

TEST_F(BootLoaderE2e, FrameOtherThanSyncStopsSending) {
    WriteFile(Path("soft.cus"), PatternBytes(20000));
    BoxSim box(BoxArguments({"--fault", "no-sync"}));
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-software", QPath("soft.cus")}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.out, "\n  !Error: No SYNC Command!")) << run.out;
    EXPECT_FALSE(Contains(run.out, "[2/3]"));
}

TEST_F(BootLoaderE2e, ErrorLineBeforeASuccessfulResultStillFails) {
    // The box stops the transfer after the first block, then reports success.
    WriteFile(Path("soft.cus"), PatternBytes(20000));
    BoxSim box(BoxArguments({"--fault", "no-sync-success"}));
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-software", QPath("soft.cus")}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    const auto error = run.out.find("\n  !Error: No SYNC Command!");
    ASSERT_NE(error, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n<<Update Over!>>", error), std::string::npos) << run.out;
}

TEST_F(BootLoaderE2e, MalformedLinesAreShownBeforeTheTransferAndOnStandardError) {
    std::string text = ParameterDataText(2, 1, 1);
    text[text.find('\n') + 1 + 17] = '.';  // the second S line loses a comma
    WriteText(Path("params.txt"), text);
    BoxSim box(BoxArguments());
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-params", QPath("params.txt")}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;  // what is sent stays as it was
    const auto shown = run.out.find("\n S: 1 line error!");
    ASSERT_NE(shown, std::string::npos) << run.out;
    EXPECT_LT(shown, run.out.find("\nPlease reset ZEV"));
    EXPECT_TRUE(Contains(run.out, "\n  S:[2]\n  T:[1]\n  C:[1]"));
    EXPECT_TRUE(Contains(run.err, "params.txt: S: 1 line error!")) << run.err;
}

TEST_F(BootLoaderE2e, ReceiverVanishingMidRunEndsTheRun) {
    WriteFile(Path("soft.cus"), PatternBytes(30000));
    BoxSim box(BoxArguments({"--vanish", "5000"}));
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"update-software", QPath("soft.cus")}, dir.path(), 30000);
    ASSERT_TRUE(run.finished) << "zev-cli hung after the receiver vanished";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.out, "was lost")) << run.out;
    EXPECT_FALSE(Contains(run.out, "<<Update Over!>>"));
    // The first block had gone: the box's flash holds part of the software.
    EXPECT_TRUE(Contains(run.out, "was lost: ")) << run.out;
    EXPECT_TRUE(Contains(
        run.out, "\nThe update is incomplete! Please reset ZEV and run the update again.\n"))
        << run.out;
}

TEST_F(BootLoaderE2e, UnusableInputsAreUsageErrors) {
    BoxSim box(BoxArguments());
    ASSERT_TRUE(box.ok());
    WriteText(Path("empty.txt"), "no records here\n");
    WriteFile(Path("soft.bin"), PatternBytes(10));
    EXPECT_EQ(RunCliOn(box.PtyPath(), {"update-params", QPath("missing.txt")}, dir.path()).exitCode,
              2);
    const CliResult empty =
        RunCliOn(box.PtyPath(), {"update-params", QPath("empty.txt")}, dir.path());
    EXPECT_EQ(empty.exitCode, 2);
    // Each message says whose it is, as every other message of zev-cli does.
    EXPECT_EQ(empty.err, "zev-cli: Input file is invalid !\n");
    EXPECT_EQ(RunCliOn(box.PtyPath(), {"update-software", QPath("soft.bin")}, dir.path()).exitCode,
              2);
    EXPECT_EQ(RunCli({"update-params"}, dir.path()).exitCode, 2);
}

// The line of the run, then why: something the person can act on.
TEST_F(BootLoaderE2e, PortThatCannotBeOpenedFailsAndSaysWhy) {
    WriteFile(Path("soft.cus"), PatternBytes(10));
    WriteText(Path("plain.txt"), "a file, no port");
    BoxSim box({"--quiet"});
    ASSERT_TRUE(box.ok());
    const QString held = QString::fromStdString(box.PtyPath());
    const auto monitor = std::make_unique<QProcess>();
    monitor->start(QStringLiteral(ZEV_BIN_DIR "/zev-cli"), {"--port", held, "monitor"});
    ASSERT_TRUE(monitor->waitForStarted(10000));
    for (int tries = 0; tries < 100 && !monitor->readAllStandardOutput().contains("is open!");
         ++tries) {
        monitor->waitForReadyRead(100);
    }
    struct Case {
        QString port;
        std::string why;
    };
    for (const Case& c : {Case{"/nonexistent/tty", "/nonexistent/tty does not exist."},
                          Case{QPath("plain.txt"), Path("plain.txt") + " is not a serial device."},
                          Case{held, box.PtyPath() + " is in use by another program."}}) {
        const CliResult run =
            RunCli({"--port", c.port, "update-software", QPath("soft.cus")}, dir.path());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(Contains(
            run.out, "\nCan't open connection, maybe COM has been opened!\n" + c.why + "\n"))
            << run.out;
    }
    monitor->kill();
    monitor->waitForFinished(5000);
}

}  // namespace
}  // namespace zev::test
