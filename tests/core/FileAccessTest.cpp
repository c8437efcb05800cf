// Reading and replacing files the user names: only regular files, reads bounded by what they
// read, and a replacement that is whole or nothing and keeps the file's mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/FileReplacement.h"
#include "core/OutputFiles.h"
#include "core/RegularFile.h"
#include "support/SpecialFiles.h"

namespace zev {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zev_files_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(PathOf(name), std::ios::binary | std::ios::trunc) << text;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Everything in the directory: no temporary file may be left behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::span<const uint8_t> Bytes(const std::string& text) {
        return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
    }

    fs::path dir_;
};

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST_F(FileAccessTest, ReadsAreBoundedByTheBytesReadNotByTheReportedSize) {
    Write("ten.txt", "0123456789");
    FileError error;
    auto all = ReadRegularFile(PathOf("ten.txt"), 10, Overlong::Refuse, error);
    ASSERT_TRUE(all.has_value()) << error.text;
    EXPECT_EQ(Text(*all), "0123456789");

    auto prefix = ReadRegularFile(PathOf("ten.txt"), 4, Overlong::ReadPrefix, error);
    ASSERT_TRUE(prefix.has_value());
    EXPECT_EQ(Text(*prefix), "0123");

    EXPECT_FALSE(ReadRegularFile(PathOf("ten.txt"), 9, Overlong::Refuse, error).has_value());
    EXPECT_EQ(error.problem, FileProblem::TooLarge);
    EXPECT_EQ(error.text, "\"" + PathOf("ten.txt") + "\" is too large (more than 9 bytes)");

    EXPECT_FALSE(ReadRegularFile(PathOf("none.txt"), 9, Overlong::Refuse, error).has_value());
    EXPECT_EQ(error.problem, FileProblem::CannotOpen);
    EXPECT_EQ(error.Sentence(),
              "Cannot open \"" + PathOf("none.txt") + "\": No such file or directory.");
    EXPECT_EQ(SizeText(256 * 1024 * 1024), "256 MB");
    EXPECT_EQ(SizeText(64 * 1024), "64 KB");
}

TEST_F(FileAccessTest, PipesDevicesAndDirectoriesAreRefusedWithoutWaitingOrReading) {
    testing::FeedingPipe pipe(PathOf("pipe"), "bytes from a pipe");
    ASSERT_TRUE(pipe.Made());
    fs::create_symlink("/dev/zero", PathOf("zero"));
    fs::create_directory(PathOf("folder"));
    for (const char* name : {"pipe", "zero", "folder"}) {
        FileError error;
        EXPECT_FALSE(ReadRegularFile(PathOf(name), 1 << 20, Overlong::Refuse, error)) << name;
        EXPECT_EQ(error.problem, FileProblem::NotRegular) << name;
        EXPECT_EQ(error.text, "\"" + PathOf(name) + "\" is not a regular file");
        for (const bool forWriting : {false, true}) {
            EXPECT_EQ(OpenRegularFile(PathOf(name), forWriting, error), nullptr) << name;
            EXPECT_EQ(error.problem, FileProblem::NotRegular);
        }
    }
    // A link to a regular file is read as that file.
    Write("real.txt", "real");
    fs::create_symlink(PathOf("real.txt"), PathOf("link.txt"));
    FileError error;
    auto linked = ReadRegularFile(PathOf("link.txt"), 100, Overlong::Refuse, error);
    ASSERT_TRUE(linked.has_value()) << error.text;
    EXPECT_EQ(Text(*linked), "real");
}

TEST_F(FileAccessTest, ReplacementIsWholeAndKeepsTheModeOfTheFileItReplaces) {
    const std::string path = PathOf("out.stc");
    FileError error;
    ASSERT_TRUE(ReplaceFile(path, Bytes("first"), error)) << error.text;
    EXPECT_EQ(Read("out.stc"), "first");

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceFile(path, Bytes("second, longer"), error)) << error.text;
    EXPECT_EQ(Read("out.stc"), "second, longer");
    EXPECT_EQ(testing::ModeOf(path), 0640u);

    // Through a link the file it names is replaced; the link stays a link.
    fs::create_symlink(path, PathOf("link.stc"));
    ASSERT_TRUE(ReplaceFile(PathOf("link.stc"), Bytes("third"), error)) << error.text;
    EXPECT_TRUE(fs::is_symlink(PathOf("link.stc")));
    EXPECT_EQ(Read("out.stc"), "third");
    EXPECT_EQ(Names(), (std::vector<std::string>{"link.stc", "out.stc"}));
}

TEST_F(FileAccessTest, NothingButAWritableRegularFileIsReplaced) {
    testing::FeedingPipe pipe(PathOf("pipe.img"), "");
    ASSERT_TRUE(pipe.Made());
    fs::create_directory(PathOf("folder.stc"));
    Write("locked.stc", "keep me");
    fs::permissions(PathOf("locked.stc"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::vector<std::string> refused{"pipe.img", "folder.stc"};
    // A device node of our own, and a link to it (where device nodes may be made).
    const bool device = testing::MakeNullDevice(PathOf("null.stc"));
    if (device) {
        fs::create_symlink(PathOf("null.stc"), PathOf("to-device.stc"));
        refused.insert(refused.end(), {"null.stc", "to-device.stc"});
    }

    for (const std::string& name : refused) {
        FileError error;
        EXPECT_FALSE(ReplaceFile(PathOf(name), Bytes("data"), error)) << name;
        EXPECT_EQ(error.problem, FileProblem::NotRegular) << name;
    }
    EXPECT_TRUE(testing::IsPipe(PathOf("pipe.img")));
    EXPECT_TRUE(fs::is_directory(PathOf("folder.stc")));
    if (device) {
        EXPECT_TRUE(testing::IsCharacterDevice(PathOf("null.stc")));
    }

    // Read-only by its mode, whoever runs this (the super-user could write to it).
    FileError error;
    EXPECT_FALSE(ReplaceFile(PathOf("locked.stc"), Bytes("data"), error));
    EXPECT_EQ(error.problem, FileProblem::ReadOnly);
    EXPECT_EQ(error.text, "\"" + PathOf("locked.stc") + "\" is read-only");
    EXPECT_EQ(Read("locked.stc"), "keep me");
    EXPECT_EQ(testing::ModeOf(PathOf("locked.stc")), 0444u);

    EXPECT_FALSE(ReplaceFile(PathOf("no/such/dir/x.stc"), Bytes("data"), error));
    EXPECT_EQ(error.problem, FileProblem::CannotCreate);
}

TEST_F(FileAccessTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    Write("old.stc", "old contents");
    const std::string big(64 * 1024, 'x');
    FileError error;
    {
        testing::FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Set());
        EXPECT_FALSE(ReplaceFile(PathOf("old.stc"), Bytes(big), error));
    }
    EXPECT_EQ(error.problem, FileProblem::WriteFailed);
    EXPECT_EQ(Read("old.stc"), "old contents");
    EXPECT_EQ(Names(), std::vector<std::string>{"old.stc"});

    // Several files: one that may not be replaced keeps all of them as they were.
    Write("b.csv", "old b");
    Write("c.csv", "old c");
    fs::permissions(PathOf("c.csv"), fs::perms::owner_read);
    const std::vector<FileContents> files{
        {PathOf("a.csv"), Bytes("new a")},
        {PathOf("b.csv"), Bytes("new b")},
        {PathOf("c.csv"), Bytes("new c")},
    };
    EXPECT_FALSE(ReplaceFiles(files, error));
    EXPECT_EQ(error.problem, FileProblem::ReadOnly);
    EXPECT_EQ(Read("b.csv"), "old b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.csv", "c.csv", "old.stc"}));
}

TEST_F(FileAccessTest, TheLongestNamesAFolderTakesCanBeReplaced) {
    // The temporary name beside the file once made names of 242 to 255 bytes unwritable.
    std::vector<std::string> names;
    for (const std::size_t length : {241u, 242u, 250u, 255u})
        names.push_back(std::string(length, 'n'));
    // Two-byte characters, so that shortening the name for the temporary file meets one.
    std::string wide;
    while (wide.size() + 2 <= 255) wide += "\xC3\xA9";
    names.push_back(wide + "x");
    for (const std::string& name : names) {
        FileError error;
        ASSERT_TRUE(ReplaceFile(PathOf(name), Bytes("first"), error)) << name.size() << error.text;
        ASSERT_TRUE(ReplaceFile(PathOf(name), Bytes("second"), error)) << name.size() << error.text;
        EXPECT_EQ(Read(name), "second");
    }
    EXPECT_EQ(Names().size(), names.size());  // no temporary file left
}

TEST_F(FileAccessTest, AnOutputIsNeverAnInputNorAnotherOutputUnderAnyName) {
    Write("in.stc", "input");
    Write("other.stc", "other");
    fs::create_symlink(PathOf("in.stc"), PathOf("soft.stc"));
    fs::create_hard_link(PathOf("in.stc"), PathOf("hard.stc"));
    fs::create_directory(PathOf("sub"));
    const std::string in = PathOf("in.stc");
    // Every name that leads to the input, existing or spelled another way.
    for (const std::string& output : {in, PathOf("soft.stc"), PathOf("hard.stc"),
                                      PathOf("sub/../in.stc"), (dir_ / "." / "in.stc").string()}) {
        const auto checked = CheckOutputs({PathOf("other.stc"), in}, {PathOf("new.csv"), output});
        ASSERT_FALSE(checked) << output;
        EXPECT_EQ(checked.error().problem, FileProblem::OutputIsInput);
        EXPECT_EQ(checked.error().text,
                  "the output \"" + output + "\" is the same file as the input \"" + in + "\"");
    }
    // Two outputs that do not exist yet, and one output linked to another.
    fs::create_symlink(PathOf("t.csv"), PathOf("t-satellites.csv"));
    for (const auto& [first, second] : {std::pair{PathOf("out.stc"), PathOf("sub/../out.stc")},
                                        std::pair{PathOf("t.csv"), PathOf("t-satellites.csv")}}) {
        Write("t.csv", "");
        const auto checked = CheckOutputs({in}, {first, PathOf("log.txt"), second});
        ASSERT_FALSE(checked) << second;
        EXPECT_EQ(checked.error().problem, FileProblem::OutputsClash);
        EXPECT_EQ(checked.error().text,
                  "the outputs \"" + first + "\" and \"" + second + "\" are the same file");
        fs::remove(PathOf("t.csv"));
    }
    // Distinct files pass, and an input may be named twice (diff A A).
    EXPECT_TRUE(CheckOutputs({in, in}, {PathOf("other.stc"), PathOf("sub/new.stc")}));
    EXPECT_TRUE(CheckOutputs({}, {}));
}

}  // namespace
}  // namespace zev
