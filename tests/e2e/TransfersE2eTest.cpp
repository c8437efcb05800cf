// zev-cli's transfers that prove themselves, against the simulated receiver over
// pseudo-terminals: send --verify and --backup, --port auto through the port seam, the line
// monitor's output, and text that reaches standard output as it arrives.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sstream>

#include "cli/CliMain.h"
#include "e2e/E2eHarness.h"
#include "e2e/PtyPair.h"
#include "settings/SerialPortList.h"
#include "support/SpecialFiles.h"

namespace zev::test {
namespace {

// The ports "the system reports".
class FakePorts : public SerialPortLister {
  public:
    std::vector<SerialPortInfo> ports;
    std::vector<SerialPortInfo> Ports() const override { return ports; }
};

SerialPortInfo UsbAdapter(const std::string& location, const std::string& serial) {
    return {.location = location,
            .description = "USB-Serial Controller",
            .manufacturer = "Prolific",
            .serialNumber = serial,
            .vendorId = 0x067b,
            .productId = 0x2303};
}

SerialPortInfo BuiltInPort(const std::string& location) {
    SerialPortInfo port;
    port.location = location;
    return port;
}

struct InProcessRun {
    int status;
    std::string out;
    std::string err;
};

InProcessRun RunInProcess(const std::vector<std::string>& arguments, const FakePorts& ports) {
    TestApp();
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCli(arguments, out, err, ports);
    return {status, out.str(), err.str()};
}

class TransfersE2e : public E2eTest {};

TEST_F(TransfersE2e, VerifyPassesWhenTheBoxHoldsWhatWasSent) {
    LoadSample("sample.stc");
    for (const bool withDefault : {false, true}) {
        SCOPED_TRACE(withDefault ? "default + user" : "user only");
        BoxSim box({"--quiet"});
        ASSERT_TRUE(box.ok());
        QStringList send{"send", QPath("sample.stc"), "--verify"};
        if (withDefault) send << "--default";
        const CliResult run = RunCliOn(box.PtyPath(), send, dir.path());
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        const auto sent = run.out.find("\nSend Param Data Success!");
        const auto loaded = run.out.find("\nGet Data Success!");
        ASSERT_NE(sent, std::string::npos) << run.out;
        EXPECT_GT(loaded, sent);  // the user block is loaded back after the send
        EXPECT_TRUE(
            Contains(run.out, "\nVerify Success! The box holds the settings that were sent.\n"));
    }
}

TEST_F(TransfersE2e, VerifyCatchesAFlashThatKeptSomethingElse) {
    LoadSample("sample.stc");
    BoxSim box({"--quiet", "--fault", "send-corrupt"});
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"send", QPath("sample.stc"), "--verify"}, dir.path());
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    // The box said it wrote the settings; reading them back shows which record is wrong.
    EXPECT_TRUE(Contains(run.out, "\nSend Param Data Success!"));
    EXPECT_TRUE(Contains(run.out,
                         "\nVerify Failed! The box's settings differ from those sent:\n"
                         "  Satellite 1 \""))
        << run.out;
    EXPECT_TRUE(Contains(run.out, "\": Lnblow 9750 -> 9751\n")) << run.out;

    // Without --verify the same send reports success, as the box did.
    const CliResult trusting = RunCliOn(box.PtyPath(), {"send", QPath("sample.stc")}, dir.path());
    EXPECT_EQ(trusting.exitCode, 0);
}

TEST_F(TransfersE2e, BackupHoldsTheBoxsSettingsFromBeforeTheSend) {
    const auto sample = LoadSample("sample.stc");
    // Something else to send: the sample with its user block as the box will hold it.
    BoxSim box({"--sample", "--quiet"});
    ASSERT_TRUE(box.ok());
    WriteFile(Path("other.stc"), ReadFile(Path("sample.stc")));
    auto other = ReadFile(Path("other.stc"));
    other[72 + 6] ^= 0x01;  // a letter of the first satellite's name
    WriteFile(Path("other.stc"), other);
    const CliResult run = RunCliOn(
        box.PtyPath(), {"send", QPath("other.stc"), "--backup", QPath("before.stc")}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(ReadFile(Path("before.stc")), sample);
    const auto saved = run.out.find("\nThe box's settings were saved to " + Path("before.stc"));
    ASSERT_NE(saved, std::string::npos) << run.out;
    EXPECT_LT(saved, run.out.find("\nWait for starting send data to box =>"));
    const CliResult after = RunCliOn(box.PtyPath(), {"load", QPath("after.stc")}, dir.path());
    EXPECT_EQ(ReadFile(Path("after.stc")), other);
}

TEST_F(TransfersE2e, NothingIsSentWhenTheBackupCannotBeMade) {
    LoadSample("sample.stc");
    {
        // The box's block fails its checksum: no backup file, and the send never starts.
        BoxSim box(
            {"--sample", "--quiet", "--fault", "load-checksum", "--flash", QPath("flash.bin")});
        ASSERT_TRUE(box.ok());
        const std::vector<uint8_t> flash = ReadFile(Path("flash.bin"));
        const CliResult run = RunCliOn(
            box.PtyPath(), {"send", QPath("sample.stc"), "--backup", QPath("b.stc")}, dir.path());
        EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
        EXPECT_FALSE(std::filesystem::exists(Path("b.stc")));
        EXPECT_FALSE(Contains(run.out, "send data to box"));
        EXPECT_TRUE(Contains(run.out, "nothing is sent"));
        EXPECT_EQ(ReadFile(Path("flash.bin")), flash);  // the box's flash is as it was
    }
    {
        // The backup cannot be written: a file error, and again nothing is sent.
        BoxSim box({"--sample", "--quiet"});
        ASSERT_TRUE(box.ok());
        const CliResult run = RunCliOn(
            box.PtyPath(), {"send", QPath("sample.stc"), "--backup", QPath("no/such/dir/b.stc")},
            dir.path());
        EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
        EXPECT_FALSE(Contains(run.out, "send data to box"));
    }
}

TEST_F(TransfersE2e, PortAutoTakesTheOnlyUsbAdapterAndRefusesOtherwise) {
    BoxSim box({"--sample", "--quiet"});
    ASSERT_TRUE(box.ok());
    const std::vector<std::string> load{"--port", "auto", "--timeout",
                                        "10",     "load", Path("auto.stc")};
    FakePorts ports;
    ports.ports = {BuiltInPort("/dev/ttyS0")};
    InProcessRun none = RunInProcess(load, ports);
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(Contains(none.err, "--port auto found no USB serial adapter")) << none.err;
    EXPECT_TRUE(Contains(none.err, "/dev/ttyS0")) << none.err;
    EXPECT_FALSE(Contains(none.out, "is open!"));

    ports.ports = {BuiltInPort("/dev/ttyS0"), UsbAdapter(box.PtyPath(), "A1")};
    InProcessRun one = RunInProcess(load, ports);
    EXPECT_EQ(one.status, 0) << one.out << one.err;
    EXPECT_TRUE(Contains(one.err, "--port auto: " + box.PtyPath())) << one.err;
    EXPECT_TRUE(Contains(one.out, "\nGet Data Success!"));
    EXPECT_FALSE(ReadFile(Path("auto.stc")).empty());

    ports.ports.push_back(UsbAdapter("/dev/ttyUSB7", "B2"));
    InProcessRun two = RunInProcess(load, ports);
    EXPECT_EQ(two.status, 1);
    EXPECT_TRUE(Contains(two.err, "--port auto found 2 USB serial adapters")) << two.err;
    EXPECT_TRUE(Contains(two.err, box.PtyPath()));
    EXPECT_TRUE(Contains(two.err, "/dev/ttyUSB7"));
    EXPECT_FALSE(Contains(two.out, "is open!"));
}

TEST_F(TransfersE2e, PortsListsWhatTheSystemReports) {
    FakePorts ports;
    EXPECT_EQ(RunInProcess({"ports"}, ports).out, "No serial ports found.\n");
    ports.ports = {UsbAdapter("/dev/ttyUSB0", "A50285BI"), BuiltInPort("/dev/ttyS0")};
    const InProcessRun run = RunInProcess({"ports"}, ports);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "PORT          DESCRIPTION            MANUFACTURER  SERIAL NUMBER  USB ID\n"
              "/dev/ttyUSB0  USB-Serial Controller  Prolific      A50285BI       067b:2303\n"
              "/dev/ttyS0    -                      -             -              -\n");
}

// The box's reset text and sign, as the simulator sends them when the line opens: one piece.
TEST_F(TransfersE2e, MonitorHexShowsAKnownExchangeByteForByte) {
    BoxSim box({"--reset-on-open=100"});
    ASSERT_TRUE(box.ok());
    const CliResult run = RunCli(
        {"--port", QString::fromStdString(box.PtyPath()), "--timeout", "2", "monitor", "--hex"},
        dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "RX 07 0D 0A 2A 2A 2A 20 52 45 53 45 54 20 2A 2A 2A  ...*** RESET ***\n"
              "RX 0D 0A 43 68 65 63 6B 69 6E 67 20 66 6C 61 73 68  ..Checking flash\n"
              "RX 20 2D 08 5C 08 7C 08 2F 08 6F 6B 0D 0A 42 6F 6F   -.\\.|./.ok..Boo\n"
              "RX 74 20 6C 6F 61 64 65 72 20 56 32 2E 30 0D 0A 57  t loader V2.0..W\n"
              "RX 61 69 74 69 6E 67 20 66 6F 72 20 74 68 65 20 50  aiting for the P\n"
              "RX 43 2E 2E 2E 0D 0A AA                             C......\n");
    // The terminal's own text goes to standard error instead.
    EXPECT_TRUE(Contains(run.err, "*** RESET ***")) << run.err;
    EXPECT_TRUE(Contains(run.err, "has been closed!"));
}

// Every byte of a load, both ways, with the time of each piece.
TEST_F(TransfersE2e, LogOfALoadHoldsEveryByteBothWays) {
    BoxSim box({"--sample", "--quiet"});
    ASSERT_TRUE(box.ok());
    const CliResult run =
        RunCliOn(box.PtyPath(), {"load", QPath("s.stc"), "--log", QPath("line.txt")}, dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_FALSE(Contains(run.out, " RX "));  // the terminal's text is as before

    const std::vector<uint8_t> text = ReadFile(Path("line.txt"));
    const QStringList lines = QString::fromLatin1(reinterpret_cast<const char*>(text.data()),
                                                  static_cast<qsizetype>(text.size()))
                                  .split('\n', Qt::SkipEmptyParts);
    const QRegularExpression row(
        QStringLiteral("^(\\d\\d:\\d\\d:\\d\\d\\.\\d{3}| {12}) (TX|RX) ((?:[0-9A-F]{2} "
                       "){0,15}[0-9A-F]{2}) +(.*)$"));
    std::vector<uint8_t> sent;
    std::vector<uint8_t> received;
    std::vector<std::string> pieces;  // direction and bytes of each piece's first row
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = row.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        std::vector<uint8_t>& stream = match.captured(2) == "TX" ? sent : received;
        for (const QString& hex : match.captured(3).split(' ')) {
            stream.push_back(static_cast<uint8_t>(hex.toUInt(nullptr, 16)));
        }
        if (!match.captured(1).trimmed().isEmpty() && pieces.size() < 5) {
            pieces.push_back((match.captured(2) + " " + match.captured(3)).toStdString());
        }
    }
    // The handshake goes one piece at a time, each side answering the other.
    EXPECT_EQ(pieces, (std::vector<std::string>{"TX BB", "RX BB", "TX 55", "RX 02 01 03",
                                                "TX 02 01 0A 03"}));
    // Request, sign answer, hello answer, read request, 16 SYNCs, checksum accepted.
    std::vector<uint8_t> expectedSent{0xBB, 0x55, 0x02, 0x01, 0x0A, 0x03, 0xBC};
    for (int block = 0; block < 16; ++block) expectedSent.insert(expectedSent.end(), {2, 0x16, 3});
    expectedSent.push_back(0x1B);
    EXPECT_EQ(sent, expectedSent);
    // Sign, hello, ready, header, the 0x20000 bytes of the block, checksum, end and result.
    ASSERT_EQ(received.size(), 1u + 3 + 11 + 18 + 0x20000 + 4 + 1 + 3);
    const std::vector<uint8_t> block(received.begin() + 33, received.begin() + 33 + 0x20000);
    EXPECT_EQ(block, ReadFile(Path("s.stc")));
    EXPECT_EQ(std::vector<uint8_t>(received.end() - 4, received.end()),
              (std::vector<uint8_t>{0x1B, 0x02, 0x05, 0x03}));
}

// A box that never sends a line feed: its text still reaches a pipe as it comes.
TEST_F(TransfersE2e, MonitorWritesWhatArrivesWithoutWaitingForALineFeed) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QProcess cli;
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.start(QStringLiteral(ZEV_BIN_DIR "/zev-cli"),
              {"--port", QString::fromStdString(pty.SlavePath()), "--timeout", "20", "monitor"});
    ASSERT_TRUE(cli.waitForStarted(10000));
    QByteArray seen;
    // The monitor may not have the line open yet: say it again until it shows.
    for (int tries = 0; tries < 50 && !seen.contains("no line end"); ++tries) {
        pty.Write({'n', 'o', ' ', 'l', 'i', 'n', 'e', ' ', 'e', 'n', 'd'});
        cli.waitForReadyRead(200);
        seen += cli.readAllStandardOutput();
    }
    EXPECT_TRUE(seen.contains("no line end")) << seen.toStdString();
    EXPECT_FALSE(seen.contains('\n'));
    cli.kill();
    cli.waitForFinished(5000);
}

// Every file a receiver command writes (the log, the backup, the loaded image) follows the
// rule of every output: these once emptied the input, waited for ever, overwrote a read-only
// file as root or wrote into a device, each refused now before the port is opened.
TEST_F(TransfersE2e, LogAndBackupAreRefusedBeforeTheRunWhenTheyCannotBeWritten) {
    const std::vector<uint8_t> sample = LoadSample("sample.stc");
    WriteText(Path("old.log"), "old log");
    WriteText(Path("locked.log"), "locked");
    namespace fs = std::filesystem;
    fs::permissions(Path("locked.log"), fs::perms::owner_read | fs::perms::group_read);
    zev::testing::FeedingPipe fifo(Path("fifo.log"), "");
    ASSERT_TRUE(fifo.Made());
    struct Case {
        QStringList arguments;
        const char* message;
    };
    for (const Case& c :
         {Case{{"--log", QPath("sample.stc"), "send", QPath("sample.stc")},
               "is the same file as the input"},
          Case{{"send", QPath("sample.stc"), "--backup", QPath("./sample.stc")},
               "is the same file as the input"},
          Case{{"load", QPath("new.stc"), "--log", QPath("new.stc")}, "are the same file"},
          // The port settings are read from it.
          Case{{"--log", QPath("default.dat"), "monitor"}, "is the same file as the input"},
          Case{{"--log", QPath("fifo.log"), "monitor"}, "is not a regular file"},
          Case{{"--log", "/dev/full", "monitor"}, "is not a regular file"},
          Case{{"--log", QPath("locked.log"), "monitor"}, "is read-only"},
          Case{{"--log", QPath("no/such/dir/x.log"), "monitor"}, "cannot create"}}) {
        const CliResult run =
            RunCli(QStringList{"--port", "/nonexistent/tty"} + c.arguments, dir.path(), 20000);
        EXPECT_TRUE(run.finished) << c.message;
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
        EXPECT_EQ(run.out, "");  // not even the banner: the run never started
    }
    // A command that ends before a byte went over the line leaves an old log as it was.
    const CliResult unopened =
        RunCli({"--port", "/nonexistent/tty", "--log", QPath("old.log"), "load", QPath("x.stc")},
               dir.path());
    EXPECT_EQ(unopened.exitCode, 1) << unopened.err;
    EXPECT_EQ(ReadFile(Path("old.log")), (std::vector<uint8_t>{'o', 'l', 'd', ' ', 'l', 'o', 'g'}));
    EXPECT_EQ(ReadFile(Path("sample.stc")), sample);
    EXPECT_EQ(zev::testing::ModeOf(Path("locked.log")), 0440u);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path().toStdString())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"fifo.log", "locked.log", "old.log", "sample.stc"}));
}

// A log that cannot be written whole (here: no file may grow beyond 300 KB, as on a full
// disk) is a file error, and the log that was there stays.
TEST_F(TransfersE2e, ALogThatCannotBeWrittenIsAFileError) {
    BoxSim box({"--sample", "--quiet"});
    ASSERT_TRUE(box.ok());
    WriteText(Path("line.log"), "old log");
    const FakePorts ports;
    InProcessRun run;
    {
        zev::testing::FileSizeLimit limit(300 * 1024);
        ASSERT_TRUE(limit.Set());
        run = RunInProcess({"--port", box.PtyPath(), "--timeout", "10", "--log", Path("line.log"),
                            "load", Path("s.stc")},
                           ports);
    }
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_TRUE(Contains(run.out, "\nGet Data Success!"));
    EXPECT_TRUE(Contains(run.err, "cannot write \"" + Path("line.log") + "\"")) << run.err;
    EXPECT_EQ(ReadFile(Path("line.log")),
              (std::vector<uint8_t>{'o', 'l', 'd', ' ', 'l', 'o', 'g'}));
}

// Ports that a Ctrl+C interrupts while --port auto looks for the adapter.
class InterruptingPorts : public FakePorts {
  public:
    std::vector<SerialPortInfo> Ports() const override {
        std::raise(SIGINT);
        return FakePorts::Ports();
    }
};

// Ctrl+C before the run has started ends the command as any interruption does: nothing sent,
// nothing written, no temporary file left.
TEST_F(TransfersE2e, CtrlCDuringStartUpEndsTheCommandCleanly) {
    BoxSim box({"--sample", "--quiet"});
    ASSERT_TRUE(box.ok());
    WriteText(Path("line.log"), "old log");
    InterruptingPorts ports;
    ports.ports = {UsbAdapter(box.PtyPath(), "A1")};
    const InProcessRun run =
        RunInProcess({"--port", "auto", "--log", Path("line.log"), "load", Path("s.stc")}, ports);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "zev-cli: interrupted")) << run.err;
    EXPECT_FALSE(Contains(run.out, "is open!"));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"line.log"});
    EXPECT_EQ(ReadFile(Path("line.log")),
              (std::vector<uint8_t>{'o', 'l', 'd', ' ', 'l', 'o', 'g'}));
    // The signal is the process's own again.
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);
}

// monitor: a receiver that sent nothing before the time-out is an unsuccessful run (a box
// that spoke and then fell silent is not: see above).
TEST_F(TransfersE2e, MonitorOfASilentBoxFails) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const CliResult run =
        RunCli({"--port", QString::fromStdString(pty.SlavePath()), "--timeout", "1", "monitor"},
               dir.path());
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_TRUE(Contains(run.err, "zev-cli: nothing came from the receiver in 1 second"))
        << run.err;
}

}  // namespace
}  // namespace zev::test
