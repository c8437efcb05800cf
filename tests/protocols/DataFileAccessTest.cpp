// The update commands' input files: a pipe or device named as the current file is refused
// before anything waits on it, and a data file is read only up to its limit.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "FakeRunHost.h"
#include "formats/ParameterDataFile.h"
#include "support/SpecialFiles.h"

namespace zev::test {
namespace {

TEST(DataFileAccessTest, UpdateFilesThatAreNoRegularFileStartNoRun) {
    // Read, each pipe would give a usable start; opened for reading, it would block the run.
    ZEV_NEEDS_FIFOS();
    testing::FeedingPipe data(ProcessTempDir() + "pipe.txt", "S:09750,U,0,10600,0,0,0,2,SAT1\n");
    testing::FeedingPipe software(ProcessTempDir() + "pipe.cus", std::string(8192, 'x'));
    testing::FeedingPipe ota(ProcessTempDir() + "pipe.sgn", std::string(8192, 'x'));
    ASSERT_TRUE(data.Made() && software.Made() && ota.Made());
    SessionRig rig;
    rig.session.UpdateParameters(ProcessTempDir() + "pipe.txt");
    rig.session.UpdateSoftware(ProcessTempDir() + "pipe.cus");
    rig.session.OtaSoftwareUpdate(ProcessTempDir() + "pipe.sgn");
    ASSERT_EQ(rig.host.messages.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string path =
            ProcessTempDir() + std::array{"pipe.txt", "pipe.cus", "pipe.sgn"}[i];
        const std::string& box = rig.host.messages[i].text;
        EXPECT_NE(box.find("\n\"" + path + "\" is not a regular file."), std::string::npos) << box;
    }
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_FALSE(rig.host.linkOpen);
}

TEST(DataFileAccessTest, AFileThatCannotBeOpenedIsOneTerminalLineAndAWarningThatSaysWhy) {
    SessionRig rig;
    const std::string dir = ProcessTempDir();
    const std::array<std::string, 3> names = {"gone.txt", "gone.cus", "gone.sgn"};
    rig.session.UpdateParameters(dir + names[0]);
    rig.session.UpdateSoftware(dir + names[1]);
    rig.session.OtaSoftwareUpdate(dir + names[2]);
    const std::array<std::string, 3> lines = {"\nFailed to open " + dir + names[0] + ". ",
                                              "\nFailed to open " + dir + names[1] + ".",
                                              "\nFailed to open " + dir + names[2] + "."};
    // Each command's line stands alone in the terminal: the next text is the next banner.
    EXPECT_NE(rig.host.text.find(lines[0] + "\n****"), std::string::npos) << rig.host.text;
    EXPECT_NE(rig.host.text.find(lines[1] + "\n****"), std::string::npos) << rig.host.text;
    EXPECT_TRUE(rig.host.text.ends_with(lines[2])) << rig.host.text;
    EXPECT_EQ(CountOf(rig.host.text, "open"), 3u) << rig.host.text;
    // The cause is in the box, a file problem's warning.
    ASSERT_EQ(rig.host.messages.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const ShownMessage& box = rig.host.messages[i];
        EXPECT_EQ(box.text, lines[i] + "\nCannot open \"" + dir + names[i] +
                                "\": No such file or directory.");
        EXPECT_EQ(box.caption, "Warning");
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
    EXPECT_FALSE(rig.host.linkOpen);
}

TEST(DataFileAccessTest, DataFileLargerThanTheLimitIsRefusedUnread) {
    const std::string path = WriteTempFile("big.txt", "S:09750,U,0,10600,0,0,0,2,SAT1\n");
    std::filesystem::resize_file(path, kMaxDataFileSize + 1);  // sparse: quick to make
    SessionRig rig;
    rig.session.UpdateParameters(path);
    ASSERT_FALSE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.messages.back().text, "Input file is invalid !");
    EXPECT_NE(rig.host.text.find("\n\"" + path + "\" is too large (more than 16 MB)."),
              std::string::npos)
        << rig.host.text;
    EXPECT_EQ(rig.session.Mode(), ProtocolMode::Idle);
}

}  // namespace
}  // namespace zev::test
