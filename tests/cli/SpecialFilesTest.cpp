// zev-cli with files that are not plain regular files: pipes, device nodes, read-only files and
// files larger than a command reads. Each is refused with a message and left as it was.
#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "cli/CliOptions.h"
#include "cli/ImageFiles.h"
#include "exchange/DatabaseJson.h"
#include "formats/ParameterDataFile.h"
#include "support/SpecialFiles.h"

namespace zev::cli {
namespace {

using testing::CliTest;
using testing::ReadBytes;
using testing::ReadText;
using testing::RunCliWith;
using testing::WriteText;
namespace fs = std::filesystem;

const std::string kDataLine = "S:09750,U,0,10600,0,0,0,2,SAT1\n";

TEST_F(CliTest, OutputsThatAreNoRegularFileAreRefusedAndLeftAlone) {
    WriteText("data.txt", kDataLine);
    zev::testing::FeedingPipe pipe(PathOf("out.img"), "");
    ASSERT_TRUE(pipe.Made());
    const auto toPipe = RunCliWith({"update-image", "data.txt", "out.img"});
    EXPECT_EQ(toPipe.status, kExitUsage);
    EXPECT_NE(toPipe.err.find("\"out.img\" is not a regular file"), std::string::npos)
        << toPipe.err;
    EXPECT_TRUE(zev::testing::IsPipe(PathOf("out.img")));

    // A device node of our own stands in for /dev/null, directly and through a link.
    if (!zev::testing::MakeNullDevice(PathOf("null.stc"))) GTEST_SKIP() << "no device nodes";
    fs::create_symlink(PathOf("null.stc"), "link.stc");
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "good.stc"}).status, kExitOk);
    for (const char* out : {"null.stc", "link.stc"}) {
        const auto run = RunCliWith({"convert", "good.stc", out});
        EXPECT_EQ(run.status, kExitUsage) << out;
        EXPECT_NE(run.err.find("is not a regular file"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(zev::testing::IsCharacterDevice(PathOf("null.stc")));
    EXPECT_TRUE(fs::is_symlink("link.stc"));
}

TEST_F(CliTest, ReadOnlyOutputsAreRefusedAndReplacedFilesKeepTheirMode) {
    WriteText("data.txt", kDataLine);
    WriteText("locked.img", "keep me");
    fs::permissions("locked.img",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto locked = RunCliWith({"update-image", "data.txt", "locked.img"});
    EXPECT_EQ(locked.status, kExitUsage);
    EXPECT_NE(locked.err.find("\"locked.img\" is read-only"), std::string::npos) << locked.err;
    EXPECT_EQ(ReadText("locked.img"), "keep me");
    EXPECT_EQ(zev::testing::ModeOf(PathOf("locked.img")), 0444u);

    WriteText("shared.img", "old");
    fs::permissions("shared.img", fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read | fs::perms::group_write);
    ASSERT_EQ(RunCliWith({"update-image", "data.txt", "shared.img"}).status, kExitOk);
    ASSERT_EQ(RunCliWith({"update-image", "data.txt", "fresh.img"}).status, kExitOk);
    EXPECT_EQ(ReadBytes("shared.img"), ReadBytes("fresh.img"));
    EXPECT_EQ(zev::testing::ModeOf(PathOf("shared.img")), 0660u);

    // export writes three files: one read-only among them keeps all three as they were.
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "good.stc"}).status, kExitOk);
    WriteText("list.csv", "old list");
    WriteText("list-transponders.csv", "old transponders");
    fs::permissions("list-transponders.csv", fs::perms::owner_read);
    const auto exported = RunCliWith({"export", "good.stc", "list.csv"});
    EXPECT_EQ(exported.status, kExitUsage);
    EXPECT_NE(exported.err.find("list-transponders.csv\" is read-only"), std::string::npos)
        << exported.err;
    EXPECT_EQ(ReadText("list.csv"), "old list");
    EXPECT_FALSE(fs::exists("list-satellites.csv"));
}

TEST_F(CliTest, InputsThatAreNoRegularFileAreRefusedWithoutWaitingForThem) {
    // Each pipe would give a usable file if it were read.
    zev::testing::FeedingPipe json(PathOf("pipe.json"), "{}");
    zev::testing::FeedingPipe data(PathOf("pipe.txt"), kDataLine);
    ASSERT_TRUE(json.Made() && data.Made());
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"build", "pipe.json", "out.stc"},
          {"check", "pipe.json"},
          {"update-image", "pipe.txt", "out.img"},
          {"--port", "/nonexistent/tty", "update-params", "pipe.txt"}}) {
        const auto run = RunCliWith(arguments);
        EXPECT_EQ(run.status, kExitUsage) << arguments[0];
        EXPECT_NE(run.err.find("is not a regular file"), std::string::npos)
            << arguments[0] << ": " << run.err;
    }
    EXPECT_FALSE(fs::exists("out.stc"));
    EXPECT_FALSE(fs::exists("out.img"));
}

TEST_F(CliTest, DataFilesLargerThanTheLimitAreRefusedUnread) {
    {
        std::ofstream big("big.txt", std::ios::binary);
        big << kDataLine;
    }
    fs::resize_file("big.txt", kMaxDataFileSize + 1);  // sparse: quick to make
    const auto run = RunCliWith({"update-image", "big.txt", "out.img"});
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("\"big.txt\" is too large (more than 16 MB)"), std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists("out.img"));

    // The JSON form likewise, beyond 64 MB (8 times the fullest database's).
    WriteText("big.json", "{}");
    fs::resize_file("big.json", kMaxJsonFileSize + 1);
    const auto json = RunCliWith({"check", "big.json"});
    EXPECT_EQ(json.status, kExitUsage);
    EXPECT_NE(json.err.find("\"big.json\" is too large (more than 64 MB)"), std::string::npos)
        << json.err;
}

TEST_F(CliTest, DefaultDatThatIsAPipeGivesTheDefaultsAndSaysSo) {
    // Read, this would ask for the 16M bits, 4 sectors layout.
    zev::testing::FeedingPipe settings(PathOf("default.dat"), "115200,8,None,COM1,1,None,3,4,");
    ASSERT_TRUE(settings.Made());
    WriteText("e.json", "{}");
    const auto run = RunCliWith({"build", "e.json", "plain.stc"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err,
              "zev-cli: \"default.dat\" is not a regular file; the default settings are used.\n");
    EXPECT_EQ(ReadBytes("plain.stc").size(), 0x20000u);
}

// Each of these once replaced the user's input, or wrote one output over another, and exited 0.
TEST_F(CliTest, AnOutputThatIsAnInputOrAnotherOutputIsRefusedUnderAnyName) {
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "keep.stc"}).status, kExitOk);
    const std::vector<uint8_t> image = ReadBytes("keep.stc");
    WriteText("data.txt", kDataLine);
    fs::create_hard_link("keep.stc", "hard.stc");
    WriteText("t.csv", "old table");
    fs::create_symlink("t.csv", "t-satellites.csv");
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    for (const Case& c :
         {Case{{"export", "keep.stc", "keep.stc"},
               "the output \"keep.stc\" is the same file as "
               "the input \"keep.stc\""},
          Case{{"update-image", "data.txt", "./data.txt"}, "is the same file as the input"},
          Case{{"convert", "keep.stc", "hard.stc"}, "is the same file as the input"},
          Case{{"export", "keep.stc", "t.csv"},
               "the outputs \"t.csv\" and \"t-satellites.csv\" are the same file"},
          Case{{"sort", "keep.stc", "keep.stc", "--by", "name"}, "is the same file as the input"},
          // Refused before the missing XML is looked for.
          Case{{"transponders-import", "keep.stc", "none.xml", "hard.stc"},
               "is the same file as the input"}}) {
        const auto run = RunCliWith(c.arguments);
        EXPECT_EQ(run.status, kExitUsage) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadBytes("keep.stc"), image);
    EXPECT_EQ(ReadText("data.txt"), kDataLine);
    EXPECT_EQ(ReadText("t.csv"), "old table");
    EXPECT_FALSE(fs::exists("t-transponders.csv"));
}

// A name may hold bytes a terminal obeys; messages show them as \xNN instead.
TEST_F(CliTest, ControlBytesInMessagesAreEscaped) {
    const std::string name = "\x1b]0;owned\x07\r.stc";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"dump", name}, {"\x1b[2J"}, {"dump", "--\x1b"}}) {
        const auto run = RunCliWith(arguments);
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_EQ(run.err.find_first_of("\x1b\x07\r"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("\\x1b"), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCliWith({"dump", name}).err,
              "zev-cli: cannot open \"\\x1b]0;owned\\x07\\x0d.stc\": No such file or directory\n");
}

}  // namespace
}  // namespace zev::cli
