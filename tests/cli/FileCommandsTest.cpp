#include <gtest/gtest.h>

#include <random>

#include "CliTestSupport.h"
#include "cli/CliOptions.h"
#include "formats/ParameterImage.h"
#include "support/DataFileLines.h"

namespace zev::cli {
namespace {

using testing::CliTest;
using testing::ReadBytes;
using testing::RunCliWith;
using testing::WriteBytes;
using testing::WriteText;
using zev::testing::ListChannelLine;
namespace fs = std::filesystem;

std::vector<uint8_t> Hex(const std::string& text) {
    std::vector<uint8_t> bytes;
    std::istringstream in(text);
    std::string token;
    while (in >> token) bytes.push_back(static_cast<uint8_t>(std::stoul(token, nullptr, 16)));
    return bytes;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& b, std::size_t at, std::size_t n) {
    return {b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + n)};
}

TEST_F(CliTest, BuildWritesTheWorkedRecordsAndDumpJsonBuildsTheSameBytes) {
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "a.stc"}).status, kExitOk);
    const auto image = ReadBytes("a.stc");
    ASSERT_EQ(image.size(), 0x20000u);
    EXPECT_EQ(Slice(image, 0, 4), Hex("00 00 FC FA"));
    EXPECT_EQ(Slice(image, 72, 10), Hex("5A 98 A0 A5 20 00 41 53 31 54"));
    EXPECT_EQ(Slice(image, 0xB40, 8), Hex("0A B8 80 00 6C 6B 2E 04"));
    EXPECT_EQ(Slice(image, 0x49C0 + 12, 16),
              Hex("00 10 50 14 F0 FF 00 00 20 00 01 00 01 00 00 00"));
    EXPECT_EQ(Slice(image, 0x1FFE0, 4), Hex("00 52 78 FF"));  // "R", NUL, 0xFF, "x" swapped

    const auto dump = RunCliWith({"dump", "--json", "a.stc"});
    ASSERT_EQ(dump.status, kExitOk) << dump.err;
    WriteText("b.json", dump.out);
    ASSERT_EQ(RunCliWith({"build", "b.json", "b.stc", "--flash", "3", "--user", "4"}).status,
              kExitOk);
    EXPECT_EQ(ReadBytes("b.stc"), image);  // the JSON's header wins over the options
    // A .json file dumps as the JSON form it holds, not as the bytes of a user block.
    EXPECT_EQ(RunCliWith({"dump", "--json", "b.json"}).out, dump.out);
}

TEST_F(CliTest, TextDumpListsHeaderAndRecords) {
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "a.stc"}).status, kExitOk);
    const auto dump = RunCliWith({"dump", "a.stc"});
    ASSERT_EQ(dump.status, kExitOk);
    for (const char* text :
         {"UserBlockSize           0x20000", "Satellites (1)", "\"SAT1\"", "Transponders (1)",
          "TV channels (1)", "Radio channels (1)", "\"R\\x00\\xFFx\""}) {
        EXPECT_NE(dump.out.find(text), std::string::npos) << text;
    }
}

TEST_F(CliTest, OutputKindFollowsTheExtensionCaseSensitively) {
    const std::string json = DataFile("worked_database.json");
    ASSERT_EQ(RunCliWith({"build", json, "x.def"}).status, kExitOk);
    ASSERT_EQ(RunCliWith({"build", json, "x.all"}).status, kExitOk);
    const auto def = ReadBytes("x.def");
    const auto all = ReadBytes("x.all");
    ASSERT_EQ(def.size(), 0x10000u);
    ASSERT_EQ(all.size(), 0x30000u);
    EXPECT_EQ(Slice(all, 0, 2), Hex("67 45"));
    EXPECT_EQ(Slice(all, 0, 0x10000), def);

    ASSERT_EQ(RunCliWith({"convert", "x.all", "y.stc"}).status,
              kExitOk);  // .all begins with a block
    for (const char* bad : {"x.STC", "x.txt", "nodot", "dir.stc/x"}) {
        const auto run = RunCliWith({"build", json, bad});
        EXPECT_EQ(run.status, kExitUsage) << bad;
        EXPECT_NE(run.err.find("must end in .stc"), std::string::npos);
        EXPECT_FALSE(fs::exists(bad));
    }
}

TEST_F(CliTest, FlashLayoutComesFromOptionsThenDefaultDatThenEightMegabitsTwoSectors) {
    WriteText("e.json", "{}");
    ASSERT_EQ(RunCliWith({"build", "e.json", "plain.stc"}).status, kExitOk);
    EXPECT_EQ(ReadBytes("plain.stc").size(), 0x20000u);
    EXPECT_FALSE(fs::exists("default.dat"));  // looked for, never created

    WriteText("default.dat", std::string("115200,8,None,COM1,1,None,3,4,") + std::string(20, '\0'));
    ASSERT_EQ(RunCliWith({"build", "e.json", "file.stc"}).status, kExitOk);
    EXPECT_EQ(ReadBytes("file.stc").size(), 0x40000u);

    ASSERT_EQ(RunCliWith({"build", "e.json", "opt.stc", "--flash", "2", "--user", "1"}).status,
              kExitOk);
    EXPECT_EQ(ReadBytes("opt.stc").size(), 0x10000u);

    WriteText("h.json", R"({"header": {"UserBlockSize": 65536, "TpCapacity": 10}})");
    ASSERT_EQ(RunCliWith({"build", "h.json", "h.stc"}).status, kExitOk);
    const auto h = ReadBytes("h.stc");
    EXPECT_EQ(h.size(), 0x10000u);
    EXPECT_EQ(Slice(h, 14, 2), Hex("0A 00"));
    EXPECT_EQ(Slice(h, 16, 2), Hex("40 1F"));  // ChannelCapacity 8000 of the 16M/4 row

    const auto none = RunCliWith({"build", "e.json", "none.stc", "--flash", "1", "--user", "2"});
    EXPECT_EQ(none.status, kExitFailed);  // "4M bits" has no layout
    EXPECT_NE(none.err.find("too small"), std::string::npos);
}

TEST_F(CliTest, BadJsonIsAClearErrorAndWritesNothing) {
    struct Case {
        const char* json;
        int status;
        const char* message;
    };
    for (const Case& c : {
             Case{"{", kExitUsage, "not valid JSON"},
             Case{"[]", kExitUsage, "must be an object"},
             Case{R"({"sats": []})", kExitUsage, "unknown member \"sats\""},
             Case{R"({"tv": {}})", kExitUsage, "tv: expected an array"},
             Case{R"({"tv": [{"VPID": 65536}]})", kExitUsage, "tv[0].VPID: 65536 is out of range"},
             Case{R"({"tv": [{"VPID": -1}]})", kExitUsage, "out of range 0..65535"},
             Case{R"({"tv": [{"VPID": 1.5}]})", kExitUsage, "1.5 is out of range"},
             Case{R"({"tv": [{"VPID": "7"}]})", kExitUsage, "expected a whole number"},
             Case{R"({"tv": [{"Vpid": 7}]})", kExitUsage, "unknown field \"Vpid\""},
             Case{R"({"tv": [7]})", kExitUsage, "tv[0]: expected an object"},
             Case{R"({"header": {"MarkerA": 256}})", kExitUsage, "header.MarkerA"},
             // Values the image would cut: a flag is one bit, a PID 13, a frequency 14.
             Case{R"({"tv": [{"TpFlagA": 9}]})", kExitUsage,
                  "tv[0].TpFlagA: 9 is out of range 0..1"},
             Case{R"({"radio": [{"AC3PID": 8192}]})", kExitUsage,
                  "radio[0].AC3PID: 8192 is out of range 0..8191"},
             Case{R"({"satellites": [{"Lnblow": 16384}]})", kExitUsage, "0..16383"},
             Case{R"({"satellites": [{"Name": "THIRTEEN CHAR"}]})", kExitUsage,
                  "longer than 12 characters"},
             Case{R"({"satellites": [{"Name": "\u0141"}]})", kExitUsage, "U+0141"},
             Case{R"({"header": {"TpCapacity": 1}, "transponders": [{}, {}]})", kExitFailed,
                  "2 transponders, more than its capacity of 1"},
             Case{R"({"header": {"ChannelCapacity": 20000}})", kExitFailed,
                  "channel capacity of 20000"},
             Case{R"({"radio": [{"Name": "Big", "TpNumber": 2048}]})", kExitFailed,
                  "Radio channel 1 \"Big\" is on transponder 2048"},
             // A key given twice, also when spelled with an escape, is no longer taken
             // silently as its last value.
             Case{R"({"tv": [{"VPID": 1, "APID": 2, "VPID": 3}]})", kExitUsage,
                  "tv[0].VPID: given twice"},
             Case{R"({"tv": [{"V\u0050ID": 1, "VPID": 3}]})", kExitUsage,
                  "tv[0].VPID: given twice"},
             Case{R"({"tv": [], "radio": [], "tv": [{}]})", kExitUsage, "tv: given twice"},
             Case{R"({"header": {"Magic": 1, "Magic": 1}})", kExitUsage,
                  "header.Magic: given twice"},
             Case{R"({"tv": [{"Name": "A", "Name": "B"}]})", kExitUsage, "tv[0].Name: given twice"},
             Case{R"({"tv": [{}, ]})", kExitUsage, "not valid JSON at offset 12"},
             Case{R"({"tv": []} {})", kExitUsage, "not valid JSON at offset 11"},
             Case{"{\"tv\": [{\"Name\": \"\xff\"}]}", kExitUsage, "not valid JSON"},
         }) {
        WriteText("in.json", c.json);
        const auto run = RunCliWith({"build", "in.json", "out.stc"});
        EXPECT_EQ(run.status, c.status) << c.json;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.json << " -> " << run.err;
        EXPECT_FALSE(fs::exists("out.stc")) << c.json;
    }
    // Nesting that a reader going down one call per level would not survive.
    WriteText("deep.json",
              "{\"x\": " + std::string(1000000, '[') + std::string(1000000, ']') + "}");
    const auto deep = RunCliWith({"build", "deep.json", "out.stc"});
    EXPECT_EQ(deep.status, kExitUsage);
    EXPECT_NE(deep.err.find("nested too deeply"), std::string::npos) << deep.err;
}

TEST_F(CliTest, MissingAndUnwritableFilesAreFileErrors) {
    const auto missing = RunCliWith({"dump", "nowhere.stc"});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_NE(missing.err.find("cannot open \"nowhere.stc\""), std::string::npos);
    EXPECT_EQ(RunCliWith({"build", "nowhere.json", "x.stc"}).status, kExitUsage);

    const auto unwritable =
        RunCliWith({"build", DataFile("worked_database.json"), "no/such/dir/out.stc"});
    EXPECT_EQ(unwritable.status, kExitUsage);
    EXPECT_NE(unwritable.err.find("no/such/dir/out.stc"), std::string::npos);
}

TEST_F(CliTest, RefusedConversionLeavesAnExistingOutputUntouched) {
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "good.stc"}).status, kExitOk);
    const auto good = ReadBytes("good.stc");
    WriteBytes("cut.stc", Slice(good, 0, 0x1000));
    WriteText("keep.stc", "previous contents");

    const auto run = RunCliWith({"convert", "cut.stc", "keep.stc"});
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(run.err,
              "The image is 4096 bytes long, shorter than the 131072-byte user block its header "
              "describes.\n");
    const auto kept = ReadBytes("keep.stc");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous contents");

    ASSERT_EQ(RunCliWith({"convert", "good.stc", "keep.stc"}).status, kExitOk);
    EXPECT_EQ(ReadBytes("keep.stc"), good);  // replaced whole, not written over in place
}

TEST_F(CliTest, OversizedFilesReadOnlyTheirFirstInputBuffer) {
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "good.stc"}).status, kExitOk);
    auto big = ReadBytes("good.stc");
    big.resize(kInputImageSize + 4096, 0x5A);
    WriteBytes("big.stc", big);
    const auto run = RunCliWith({"convert", "big.stc", "out.stc"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(ReadBytes("out.stc"), ReadBytes("good.stc"));

    // A header claiming a block larger than the input buffer is refused, not read past.
    big[46] = 0x04;  // UserBlockSize 0x40000 -> 0x40002 (most significant word first)
    big[48] = 0x02;
    WriteBytes("huge.stc", big);
    const auto huge = RunCliWith({"dump", "huge.stc"});
    EXPECT_EQ(huge.status, kExitFailed);
    EXPECT_NE(huge.err.find("larger than the largest user block"), std::string::npos) << huge.err;
}

TEST_F(CliTest, TruncatedAndRandomFilesNeverCrash) {
    ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), "good.stc"}).status, kExitOk);
    const auto good = ReadBytes("good.stc");
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{49}, std::size_t{71},
                             std::size_t{72}, std::size_t{0x49C0}, good.size() - 1}) {
        WriteBytes("cut.stc", Slice(good, 0, size));
        const auto run = RunCliWith({"dump", "cut.stc", "--json"});
        EXPECT_EQ(run.status, kExitFailed) << size;
        EXPECT_NE(run.err.find("The image is " + std::to_string(size) + " bytes long"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.out, "");
    }

    std::mt19937 random(1234);
    for (int round = 0; round < 40; ++round) {
        std::vector<uint8_t> bytes(std::uniform_int_distribution<std::size_t>(0, 0x42000)(random));
        for (auto& b : bytes) b = static_cast<uint8_t>(random());
        if (round % 2 == 0 && bytes.size() >= 72) {
            std::copy(good.begin(), good.begin() + 72, bytes.begin());  // plausible header
        }
        WriteBytes("random.stc", bytes);
        const auto run = RunCliWith({"convert", "random.stc", "random.all"});
        ASSERT_TRUE(run.status == kExitOk || run.status == kExitFailed) << run.err;
        if (run.status == kExitFailed) {
            EXPECT_FALSE(run.err.empty());
            EXPECT_FALSE(fs::exists("random.all"));
        }
        fs::remove("random.all");
    }
}

TEST_F(CliTest, UpdateImageBuildsWithoutAReceiverAndKeepsLinesWithANul) {
    std::string nul = ListChannelLine({}, "XY");
    nul[82] = '\0';
    WriteText("list.txt", nul + ListChannelLine({}, "AB") + ListChannelLine({}, "CD"));
    const auto run = RunCliWith({"update-image", "list.txt", "u.img"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, "C:[3]\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes("u.img").size(), 54u + 3 * 34);
}

TEST_F(CliTest, UpdateImageNamesMalformedLinesOnStandardErrorAndStillBuilds) {
    const std::string sat = "S:09750,U,0,10600,0,0,0,2,SAT1\n";
    std::string bad = sat;
    bad[17] = '.';
    WriteText("params.txt", sat + bad + "T:11778,V,0,00,001,27500,01070\n");
    const auto run = RunCliWith({"update-image", "params.txt", "p.img"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.err, "zev-cli: params.txt: S: 1 line error!\n");
    EXPECT_EQ(run.out, "\n  S:[2]\n  T:[1]\n  C:[0]\n");
    EXPECT_EQ(ReadBytes("p.img").size(), 54u + 2 * 18 + 8);
}

}  // namespace
}  // namespace zev::cli
