// Reading and replacing files the user names: only regular files, reads bounded by what they
// read, and a replacement that is whole or nothing and keeps the file's mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileReplacement.h"
#include "core/NativeFile.h"
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
               ("zev_files_" + std::to_string(testing::ProcessId()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
#ifdef _WIN32
        // Windows deletes no read-only file.
        for (const auto& entry : fs::directory_iterator(dir_)) {
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
        }
#endif
        fs::remove_all(dir_);
    }
    std::string PathOf(const std::string& name) const { return NameText(dir_ / NativePath(name)); }
    // False where no symbolic link can be made (Windows without the privilege).
    bool Link(const std::string& target, const std::string& name) const {
        std::error_code code;
        fs::create_symlink(NativePath(target), NativePath(PathOf(name)), code);
        return !code;
    }
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
            names.push_back(NameText(entry.path().filename()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // A view, so that a literal's bytes outlive a list of files built from it.
    static std::span<const uint8_t> Bytes(std::string_view text) {
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
    fs::create_directory(PathOf("folder"));
    std::vector<std::string> refused{PathOf("folder")};
#ifdef _WIN32
    // Windows' devices answer to their names in every folder, with any extension.
    refused.insert(refused.end(), {"NUL", PathOf("nul.stc"), PathOf("Com1 .txt"), "\\\\.\\COM1"});
#else
    testing::FeedingPipe pipe(PathOf("pipe"), "bytes from a pipe");
    ASSERT_TRUE(pipe.Made());
    fs::create_symlink("/dev/zero", PathOf("zero"));
    refused.insert(refused.end(), {PathOf("pipe"), PathOf("zero")});
#endif
    for (const std::string& path : refused) {
        FileError error;
        EXPECT_FALSE(ReadRegularFile(path, 1 << 20, Overlong::Refuse, error)) << path;
        EXPECT_EQ(error.problem, FileProblem::NotRegular) << path;
        EXPECT_EQ(error.text, "\"" + path + "\" is not a regular file");
        for (const bool forWriting : {false, true}) {
            EXPECT_EQ(OpenRegularFile(path, forWriting, error), nullptr) << path;
            EXPECT_EQ(error.problem, FileProblem::NotRegular);
        }
    }
    // A link to a regular file is read as that file.
    Write("real.txt", "real");
    if (!Link(PathOf("real.txt"), "link.txt")) return;
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
#ifndef _WIN32  // Windows keeps no more of a mode than whether the file is read-only
    EXPECT_EQ(testing::ModeOf(path), 0640u);
#endif

    // Through a link the file it names is replaced; the link stays a link.
    if (!Link(path, "link.stc")) return;
    ASSERT_TRUE(ReplaceFile(PathOf("link.stc"), Bytes("third"), error)) << error.text;
    EXPECT_TRUE(fs::is_symlink(PathOf("link.stc")));
    EXPECT_EQ(Read("out.stc"), "third");
    EXPECT_EQ(Names(), (std::vector<std::string>{"link.stc", "out.stc"}));

    // No bytes at all, as Save As under a name of no image kind writes: an empty span holds
    // no pointer, which was handed to fwrite (undefined behaviour that UBSan reports).
    ASSERT_TRUE(ReplaceFile(path, {}, error)) << error.text;
    EXPECT_EQ(Read("out.stc"), "");
}

TEST_F(FileAccessTest, NothingButAWritableRegularFileIsReplaced) {
    fs::create_directory(PathOf("folder.stc"));
    Write("locked.stc", "keep me");
    fs::permissions(PathOf("locked.stc"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::vector<std::string> refused{"folder.stc"};
#ifdef _WIN32
    refused.insert(refused.end(), {"NUL", "com1.stc"});
#else
    testing::FeedingPipe pipe(PathOf("pipe.img"), "");
    ASSERT_TRUE(pipe.Made());
    refused.push_back("pipe.img");
#endif
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
#ifndef _WIN32
    EXPECT_TRUE(testing::IsPipe(PathOf("pipe.img")));
#endif
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
    // A full disk, where the file size can be limited (not on Windows).
    if (testing::FileSizeLimit limit(4096); limit.Set()) {
        EXPECT_FALSE(ReplaceFile(PathOf("old.stc"), Bytes(big), error));
        EXPECT_EQ(error.problem, FileProblem::WriteFailed);
    }
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

#ifndef _WIN32  // Windows counts the whole path, not the name, against its limit
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
#endif

TEST_F(FileAccessTest, AnOutputIsNeverAnInputNorAnotherOutputUnderAnyName) {
    Write("in.stc", "input");
    Write("other.stc", "other");
    fs::create_directory(NativePath(PathOf("sub")));
    const std::string in = PathOf("in.stc");
    // Every name that leads to the input, existing or spelled another way.
    std::vector<std::string> outputs{in, PathOf("sub/../in.stc"), PathOf("./in.stc")};
    if (Link(in, "soft.stc")) outputs.push_back(PathOf("soft.stc"));
    std::error_code code;
    fs::create_hard_link(NativePath(in), NativePath(PathOf("hard.stc")), code);
    if (!code) outputs.push_back(PathOf("hard.stc"));
    for (const std::string& output : outputs) {
        const auto checked = CheckOutputs({PathOf("other.stc"), in}, {PathOf("new.csv"), output});
        ASSERT_FALSE(checked) << output;
        EXPECT_EQ(checked.error().problem, FileProblem::OutputIsInput);
        EXPECT_EQ(checked.error().text,
                  "the output \"" + output + "\" is the same file as the input \"" + in + "\"");
    }
    // Two outputs that do not exist yet, and one output linked to another.
    std::vector<std::pair<std::string, std::string>> clashes{
        {PathOf("out.stc"), PathOf("sub/../out.stc")}};
    if (Link(PathOf("t.csv"), "t-satellites.csv")) {
        clashes.emplace_back(PathOf("t.csv"), PathOf("t-satellites.csv"));
    }
    for (const auto& [first, second] : clashes) {
        Write("t.csv", "");
        const auto checked = CheckOutputs({in}, {first, PathOf("log.txt"), second});
        ASSERT_FALSE(checked) << second;
        EXPECT_EQ(checked.error().problem, FileProblem::OutputsClash);
        EXPECT_EQ(checked.error().text,
                  "the outputs \"" + first + "\" and \"" + second + "\" are the same file");
    }
    // Distinct files pass, and an input may be named twice (diff A A).
    EXPECT_TRUE(CheckOutputs({in, in}, {PathOf("other.stc"), PathOf("sub/new.stc")}));
    EXPECT_TRUE(CheckOutputs({}, {}));
}

// Names are UTF-8 text on every system; Windows would read them in its local code page.
TEST_F(FileAccessTest, NamesThatAreNotAsciiAreWrittenAndReadUnderThatName) {
    const std::string name = "Kan\u00e4le \u00dcbersicht \u20ac.stc";
    FileError error;
    ASSERT_TRUE(ReplaceFile(PathOf(name), Bytes("first"), error)) << error.text;
    ASSERT_TRUE(ReplaceFile(PathOf(name), Bytes("second"), error)) << error.text;
    auto read = ReadRegularFile(PathOf(name), 100, Overlong::Refuse, error);
    ASSERT_TRUE(read.has_value()) << error.text;
    EXPECT_EQ(Text(*read), "second");
    EXPECT_EQ(Names(), std::vector<std::string>{name});
}

}  // namespace
}  // namespace zev
