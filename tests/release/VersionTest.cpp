// All three programs report the project's version, and answer --version and --help without
// starting their work (the desktop program without even a display).
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "ReleaseTestSupport.h"

namespace {

using release_testing::ProgramRun;
using release_testing::RunProgram;

const std::string kVersion = ZEV_PROJECT_VERSION;

TEST(VersionTest, CommandLineToolAndSimulatorPrintTheProjectVersion) {
    const ProgramRun cli = RunProgram("zev-cli", {"--version"});
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out, "zev-cli " + kVersion + "\n");

    const ProgramRun boxsim = RunProgram("zev-boxsim", {"--version"});
    EXPECT_EQ(boxsim.status, 0);
    EXPECT_EQ(boxsim.out, "zev-boxsim " + kVersion + "\n");

    EXPECT_EQ(RunProgram("zev-cli", {"--version=1"}).status, 2);
    EXPECT_EQ(RunProgram("zev-boxsim", {"--version=1"}).status, 2);
}

TEST(VersionTest, DesktopProgramAnswersVersionAndHelpWithoutADisplay) {
    if (!release_testing::Built("zev")) GTEST_SKIP() << "the desktop program is not built";
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        headless.remove(name);
    }
    const ProgramRun version = RunProgram("zev", {"--version"}, headless);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "zev " + kVersion + "\n");

    const ProgramRun help = RunProgram("zev", {"--help"}, headless);
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--simulate", "--open <FILE>", "--version", "[file]"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option << " missing in\n"
                                                            << help.out;
    }

    QProcessEnvironment offscreen = headless;
    offscreen.insert("QT_QPA_PLATFORM", "offscreen");
    const ProgramRun wrong = RunProgram("zev", {"--no-such-option"}, offscreen);
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("no-such-option"), std::string::npos) << wrong.err;
}

}  // namespace
