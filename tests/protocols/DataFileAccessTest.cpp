// The update commands' input files: a pipe or device named as the current file is refused
// before anything waits on it, and a data file is read only up to its limit.
#include <gtest/gtest.h>

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
    for (const char* name : {"pipe.txt", "pipe.cus", "pipe.sgn"}) {
        const std::string path = ProcessTempDir() + name;
        EXPECT_NE(rig.host.text.find("\n\"" + path + "\" is not a regular file."),
                  std::string::npos)
            << rig.host.text;
    }
    EXPECT_NE(rig.host.messages[0].text.find("Failed to open"), std::string::npos);
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
