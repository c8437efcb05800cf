// Runs the built zev-cli program itself: exit statuses and the streams they go to.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include "CliTestSupport.h"

namespace zev::cli {
namespace {

using testing::CliTest;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

ProgramRun RunProgram(const QStringList& arguments) {
    QProcess process;
    process.start(QString(ZEV_BIN_DIR) + "/zev-cli", arguments);
    ProgramRun run;
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

TEST_F(CliTest, ProgramReportsRefusedImagesOnStandardError) {
    testing::WriteBytes("short.stc", std::vector<uint8_t>(100, 0));
    testing::WriteBytes("zero.stc", std::vector<uint8_t>(0x20000, 0));
    const ProgramRun refused = RunProgram({"dump", "short.stc"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("too small for its header"), std::string::npos) << refused.err;

    EXPECT_EQ(RunProgram({"convert", "short.stc"}).status, 2);
    EXPECT_EQ(RunProgram({"dump", "missing.stc"}).status, 2);

    const ProgramRun help = RunProgram({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("update-image DATAFILE OUT"), std::string::npos);
}

}  // namespace
}  // namespace zev::cli
