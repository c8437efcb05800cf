// zev-cli ota against the simulated receiver's OTA loader.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "e2e/E2eHarness.h"

namespace zev::test {
namespace {

class OtaE2e : public E2eTest {
  protected:
    CliResult Ota(QStringList boxArguments) {
        WriteFile(QPath("soft.sgn").toStdString(), OtaFile(20000));
        BoxSim box(QStringList{"--reset-on-open", "--sign", "b0"} + boxArguments);
        EXPECT_TRUE(box.ok());
        return RunCliOn(box.PtyPath(), {"ota", QPath("soft.sgn")}, dir.path());
    }
};

TEST_F(OtaE2e, SoftwareGoesThroughTheLoader) {
    const CliResult run = Ota({});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "\n**      Communicating with 'Boot loader V3.0'      **"));
    EXPECT_TRUE(Contains(run.out, "\n SoftWare All Length: 0x00004E20")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n  END Sent Data: [3/3]\tsize=0x0e20"));
    EXPECT_TRUE(Contains(run.out, "\n<<Update Over!>>"));
}

TEST_F(OtaE2e, RefusedVersionSendsNoDataAndFails) {
    const CliResult run = Ota({"--fault", "ota-refuse-version"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.out, "\n Software Version Info Error!")) << run.out;
    EXPECT_FALSE(Contains(run.out, "Sent Data"));
}

TEST_F(OtaE2e, LoaderErrorsAreReportedAndFail) {
    const struct {
        const char* fault;
        const char* line;
        bool address;
    } cases[] = {
        {"ota-length", "\n !Error: LOADER_LENGTH_ERR", false},
        {"ota-checksum", "\n !Error: LOADER_CHECKSUM_ERR", true},
        {"ota-write", "\n !Error: LOADER_WRITEFLASH_ERR", true},
        {"ota-unknown", "\n !Error: UNKNOWN_ERR", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        const CliResult run = Ota({"--fault", c.fault});
        EXPECT_EQ(run.exitCode, 1);
        const auto failure = run.out.find("\n <<Update Failure!>>");
        ASSERT_NE(failure, std::string::npos) << run.out;
        const auto error = run.out.find(c.line, failure);
        ASSERT_NE(error, std::string::npos) << run.out;
        const auto addressLine = run.out.find(" --0x", error);
        EXPECT_EQ(addressLine == error + std::string(c.line).size(), c.address) << run.out;
    }
}

TEST_F(OtaE2e, SuccessAfterTheLoaderStoppedTheTransferStillFails) {
    const CliResult run = Ota({"--fault", "no-sync-success"});
    EXPECT_EQ(run.exitCode, 1);
    const auto error = run.out.find("\n  !Error: No SYNC Command!");
    ASSERT_NE(error, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n<<Update Over!>>", error), std::string::npos);
    EXPECT_FALSE(Contains(run.out, "[2/3]"));
}

TEST_F(OtaE2e, WrongExtensionIsRefused) {
    WriteFile(QPath("soft.cus").toStdString(), OtaFile(100));
    const CliResult run =
        RunCli({"--port", "/nonexistent/tty", "ota", QPath("soft.cus")}, dir.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Contains(run.out, "\nOpen file is invalid, exit!"));
}

}  // namespace
}  // namespace zev::test
