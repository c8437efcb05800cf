#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "cli/CliOptions.h"
#include "cli/DatabaseFiles.h"
#include "database/RecordName.h"

namespace zev::cli {
namespace {

using testing::CliTest;
using testing::ReadBytes;
using testing::ReadText;
using testing::RunCliWith;
using testing::WriteText;
namespace fs = std::filesystem;

// Two satellites, three transponders, four TV channels out of order, two radio channels.
constexpr const char* kLists = R"({
 "satellites": [{"Name": "SAT-EAST", "Lnbtype": 1, "DiseqcBit1": 1},
                {"Name": "SAT-WEST", "DiseqcPort": 3}],
 "transponders": [{"Frequency": 11778, "Polarization": 1, "Sat": 1, "Symbol": 27500,
                   "TransID": 1070, "SatAux": 5},
                  {"Frequency": 10744, "Sat": 1, "Symbol": 22000, "TransID": 7},
                  {"Frequency": 12000, "Sat": 2, "Symbol": 27500, "TransID": 9}],
 "tv": [{"Name": "News 10", "TpNumber": 2, "ServiceID": 4, "VPID": 101, "TpFlagB": 1},
        {"Name": "news 2", "TpNumber": 1, "ServiceID": 3, "VPID": 102},
        {"Name": "=Sum", "TpNumber": 3, "ServiceID": 2, "VPID": 103},
        {"Name": "Ab\u0000x", "TpNumber": 3, "ServiceID": 1, "VpidAux": 2}],
 "radio": [{"Name": "R2", "RadioFlag": 1, "TpNumber": 3, "ServiceID": 8, "APID": 301},
           {"Name": "R1", "RadioFlag": 1, "TpNumber": 1, "ServiceID": 9, "APID": 302}]})";

class ListCommandsTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        WriteText("lists.json", kLists);
        ASSERT_EQ(RunCliWith({"build", "lists.json", "lists.stc"}).status, kExitOk);
    }

    static std::vector<std::string> Names(const std::string& path, bool tv) {
        ChannelDatabase db;
        EXPECT_EQ(LoadImageFile(path, db).status, LoadStatus::Ok);
        std::vector<std::string> names;
        const std::size_t rows = tv ? db.header.TvCount : db.header.RadioCount;
        for (std::size_t row = 0; row < rows; ++row) {
            names.push_back(NameBytes((tv ? db.Tv(row) : db.Radio(row)).Name));
        }
        return names;
    }
};

TEST_F(ListCommandsTest, SortSortsTheChosenListsAndNothingElse) {
    const auto byName =
        RunCliWith({"sort", "lists.stc", "name.stc", "--by", "name", "--list", "tv"});
    ASSERT_EQ(byName.status, kExitOk) << byName.err;
    EXPECT_EQ(Names("name.stc", true),
              (std::vector<std::string>{"=Sum", "Ab", "news 2", "News 10"}));
    EXPECT_EQ(Names("name.stc", false), (std::vector<std::string>{"R2", "R1"}));

    // Sorted back by Service ID, the image is the one built: only the order changed.
    ASSERT_EQ(RunCliWith({"sort", "name.stc", "back.stc", "--by=sid", "--descending"}).status,
              kExitOk);
    ASSERT_EQ(RunCliWith({"sort", "back.stc", "both.stc", "--by", "sid", "--list", "radio"}).status,
              kExitOk);
    EXPECT_EQ(ReadBytes("both.stc"), ReadBytes("lists.stc"));

    const auto bySat = RunCliWith({"sort", "lists.stc", "sat.stc", "--by", "sat"});
    ASSERT_EQ(bySat.status, kExitOk);
    // 10744 H and 11778 V of SAT-EAST, then SAT-WEST's by Service ID.
    EXPECT_EQ(Names("sat.stc", true),
              (std::vector<std::string>{"News 10", "news 2", "Ab", "=Sum"}));
    EXPECT_EQ(Names("sat.stc", false), (std::vector<std::string>{"R1", "R2"}));

    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{"sort", "lists.stc", "x.stc"}, "zev-cli: sort needs --by name, sat, freq or sid\n"},
        {{"sort", "lists.stc", "x.stc", "--by", "age"},
         "zev-cli: option --by takes name, sat, freq or sid, not \"age\"\n"},
        {{"sort", "lists.stc", "x.stc", "--by", "sid", "--list", "all"},
         "zev-cli: option --list takes tv, radio or both, not \"all\"\n"},
        {{"sort", "lists.stc", "x.txt", "--by", "sid"},
         "zev-cli: the output file \"x.txt\" must end in .stc (user block), .def "
         "(default-channel block) or .all (both)\n"},
    };
    for (const auto& [arguments, message] : usage) {
        const auto run = RunCliWith(arguments);
        EXPECT_EQ(run.status, kExitUsage) << arguments[1];
        EXPECT_EQ(run.err, message);
    }
    EXPECT_FALSE(fs::exists("x.stc"));
}

TEST_F(ListCommandsTest, ReorderTakesTheOrderOfAnImageOrOfExportedCsv) {
    ASSERT_EQ(RunCliWith({"sort", "lists.stc", "ref.stc", "--by", "name", "--descending"}).status,
              kExitOk);
    ASSERT_EQ(RunCliWith({"export", "ref.stc", "ref.csv"}).status, kExitOk);
    for (const char* reference : {"ref.stc", "ref.csv"}) {
        const auto run = RunCliWith({"reorder", "lists.stc", reference, "out.stc"});
        ASSERT_EQ(run.status, kExitOk) << run.err;
        EXPECT_EQ(run.out, "TV: 4 of 4 channels placed like the reference; radio: 2 of 2\n");
        EXPECT_EQ(ReadBytes("out.stc"), ReadBytes("ref.stc")) << reference;
    }
    const auto missing = RunCliWith({"reorder", "lists.stc", "none.csv", "out2.stc"});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_NE(missing.err.find("none.csv"), std::string::npos);
    EXPECT_FALSE(fs::exists("out2.stc"));
}

TEST_F(ListCommandsTest, ImportOfTheExportGivesTheImageBackByteForByte) {
    for (const char* image : {"lists.stc", "worked.stc"}) {
        if (std::string(image) == "worked.stc") {
            ASSERT_EQ(RunCliWith({"build", DataFile("worked_database.json"), image}).status, 0);
        }
        ASSERT_EQ(RunCliWith({"export", image, "t.csv"}).status, kExitOk);
        // A spreadsheet shows "=Sum" as text, and import takes the apostrophe off again.
        if (std::string(image) == "lists.stc") {
            EXPECT_NE(ReadText("t.csv").find(",'=Sum,"), std::string::npos);
        }
        const auto run = RunCliWith({"import", image, "t.csv", "back.stc"});
        ASSERT_EQ(run.status, kExitOk) << run.err;
        EXPECT_EQ(ReadBytes("back.stc"), ReadBytes(image)) << image;
    }
    EXPECT_EQ(RunCliWith({"import", "worked.stc", "t.csv", "back.stc"}).out,
              "Imported 1 satellite, 1 transponder, 1 TV and 1 radio channel\n");
}

// One way to spoil the CSV files of `export`, and what import must say about it.
struct BadCsv {
    const char* file;  // "", "-transponders" or "-satellites"
    std::string from;
    std::string to;
    std::string message;
};

TEST_F(ListCommandsTest, ImportRefusesUnusableCellsNamingThemAndWritesNothing) {
    ASSERT_EQ(RunCliWith({"export", "lists.stc", "good.csv"}).status, kExitOk);
    std::string many = "";
    for (int i = 3; i <= 200; ++i) many += std::to_string(i) + ",S,normal,0,0,Diseqc1.0,Off\r\n";
    const BadCsv cases[] = {
        {"", "News 10,2", "News 10,two", "bad.csv:2:4: Tp: \"two\" is not a whole number"},
        {"", "10744,H,22000,101", "10744,H,22000,8192",
         "bad.csv:2:10: VPID 8192 does not fit the image (0 to 8191)"},
        {"", "news 2", "news 2 and more",
         "bad.csv:3:3: Name: \"news 2 and more\" is longer than 12 characters"},
        {"", "news 2", "news \xE2\x82\xAC",
         "bad.csv:3:3: Name: the character U+20AC is none a name can hold (Latin-1 only)"},
        {"", "Radio,1,R2", "Cable,1,R2", "bad.csv:6:1: List: \"Cable\" is neither TV nor Radio"},
        {"", "TV,1,News 10", "TV,1,\"News 10",
         "bad.csv:2:3: the quoted cell that starts here is never closed"},
        {"", "SAT-EAST,10744,H", "SAT-EAST,10745,H",
         "bad.csv:2:7: Fre 10745 does not agree with transponder 2 of bad-transponders.csv "
         "(10744); leave the cell empty to take the transponder's"},
        {"", "\r\nTV,2,news 2,1,", "\r\nTV,2,news 2,7,",
         "bad.csv:3:5: Tp 7 names no transponder, but Sat is given; leave the transponder's "
         "columns empty"},
        {"-transponders", ",TransID,", ",Trans ID,",
         "bad-transponders.csv:1:9: there is no column \"TransID\""},
        {"-transponders", "\r\n3,2,", "\r\n1,2,",
         "bad-transponders.csv:4:1: No. 1 is there twice (also on line 2)"},
        {"-transponders", "\r\n3,2,", "\r\n5,2,",
         "bad.csv:4:4: Tp 3: no row of bad-transponders.csv has that No."},
        {"-transponders", "\r\n3,2,SAT-WEST", "\r\n3,2,SAT-NORTH",
         "bad-transponders.csv:4:3: SatName \"SAT-NORTH\" does not agree with satellite 2 of "
         "bad-satellites.csv (\"SAT-WEST\"); leave the cell empty to take the satellite's"},
        {"-transponders", "1070,5", "1070,128",
         "bad-transponders.csv:2:8: SatAux 128 does not fit the image (0 to 127)"},
        {"-satellites", "Diseqc1.0,C,", "Diseqc1.0,X,",
         "bad-satellites.csv:3:7: Diseqcport: \"X\" is not Off, A, B, C, D, or a number 0 to 15"},
        {"-satellites", "\r\n2,SAT-WEST", "\r\n" + many + "201,SAT-WEST",
         "bad-satellites.csv:158:1: more than 156 satellites: the image holds no more "
         "(SatCapacity)"},
    };
    WriteText("out.stc", "old");
    for (const BadCsv& bad : cases) {
        SCOPED_TRACE(bad.message);
        for (const char* suffix : {"", "-transponders", "-satellites"}) {
            std::string text = ReadText(std::string("good") + suffix + ".csv");
            if (std::string(suffix) == bad.file) {
                const std::size_t at = text.find(bad.from);
                ASSERT_NE(at, std::string::npos) << bad.from;
                text.replace(at, bad.from.size(), bad.to);
            }
            WriteText(std::string("bad") + suffix + ".csv", text);
        }
        const auto run = RunCliWith({"import", "lists.stc", "bad.csv", "out.stc"});
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "zev-cli: " + bad.message);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadText("out.stc"), "old");
    }

    fs::remove("bad-satellites.csv");
    const auto missing = RunCliWith({"import", "lists.stc", "bad.csv", "out.stc"});
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_NE(missing.err.find("bad-satellites.csv"), std::string::npos) << missing.err;
    EXPECT_EQ(ReadText("out.stc"), "old");
}

TEST_F(ListCommandsTest, TransponderXmlExportAndImport) {
    const auto exported = RunCliWith({"transponders-export", "lists.stc", "sats.xml", "--position",
                                      "SAT-EAST=19.2E", "--position=SAT-WEST=30.0W"});
    ASSERT_EQ(exported.status, kExitOk) << exported.err;
    std::string xml = ReadText("sats.xml");
    EXPECT_NE(xml.find("<sat name=\"SAT-WEST\" flags=\"0\" position=\"-300\">\n    <transponder "
                       "frequency=\"12000000\" symbol_rate=\"27500000\" polarization=\"0\" "
                       "fec_inner=\"0\" system=\"0\" modulation=\"1\"/>"),
              std::string::npos)
        << xml;

    // The file moves 11778 V by 1 MHz, adds a transponder and lists a circular one; SAT-WEST's
    // 12000 H is missing: it keeps it, for its channels.
    const std::string moved = "frequency=\"11779000\"";
    xml.replace(xml.find("frequency=\"11778000\""), moved.size(), moved);
    const std::string extra =
        "<transponder frequency=\"11000000\" symbol_rate=\"27500000\" polarization=\"0\"/>"
        "<transponder frequency=\"11100000\" symbol_rate=\"27500000\" polarization=\"2\"/>";
    xml.insert(xml.find("</sat>"), extra);
    xml.replace(xml.find("<transponder frequency=\"12000000\""), 0, "<!--");
    xml.insert(xml.find("/>", xml.find("<!--")) + 2, "-->");
    WriteText("new.xml", xml);
    const auto run = RunCliWith({"transponders-import", "lists.stc", "new.xml", "new.stc",
                                 "--position", "SAT-WEST=30.0W", "--remove-missing"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out,
              "SAT-EAST (19.2E): 1 added, 1 updated, 1 unchanged, 0 not in the file, 1 circular "
              "skipped\n"
              "SAT-WEST (30.0W): 0 added, 0 updated, 0 unchanged, 1 not in the file (1 kept for "
              "its channels), 0 circular skipped\n"
              "SAT-WEST: transponder 3 (12000 H) is not in the file but kept: 3 channels are on "
              "it\n");
    ChannelDatabase db;
    ASSERT_EQ(LoadImageFile("new.stc", db).status, LoadStatus::Ok);
    ASSERT_EQ(db.header.TpCount, 4u);
    EXPECT_EQ(db.transponders[0].Frequency, 11779);
    EXPECT_EQ(db.transponders[2].Frequency, 11000);  // after SAT-EAST's last
    EXPECT_EQ(db.transponders[2].SatAux, 0);
    EXPECT_EQ(db.transponders[3].Frequency, 12000);
    EXPECT_EQ(db.Tv(2).TpNumber, 4);  // "=Sum" follows 12000 H

    // Refusals: nothing is written.
    std::string full = ReadText("sats.xml");
    std::string many;
    for (int i = 0; i < 2000; ++i) {
        many += "<transponder frequency=\"" + std::to_string(3000000 + 1000 * i) +
                "\" symbol_rate=\"1000\" polarization=\"0\"/>";
    }
    full.insert(full.find("</sat>"), many);
    WriteText("full.xml", full);
    WriteText("broken.xml", "<satellites>\n<sat name=\"A\" position=\"x\"/>\n</satellites>\n");
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"transponders-import", "lists.stc", "full.xml", "x.stc"},
         "zev-cli: The update would give 2003 transponders, more than the 2000 the image holds "
         "(TpCapacity); nothing was changed.\n"},
        {{"transponders-import", "lists.stc", "broken.xml", "x.stc"},
         "zev-cli: broken.xml:2:29: <sat> position=\"x\" is no whole number from -1800 to 1800\n"},
        {{"transponders-import", "lists.stc", "sats.xml", "x.stc", "--position", "SAT-EAST=19.2"},
         "zev-cli: option --position takes NAME=POS, such as SAT-EAST=19.2E or SAT-WEST=30.0W, "
         "not \"SAT-EAST=19.2\"\n"},
        {{"transponders-export", "lists.stc", "x.xml", "--position", "SAT-NORTH=1E"},
         "zev-cli: option --position names no satellite of the input: \"SAT-NORTH\"\n"},
    };
    for (const auto& [arguments, message] : refused) {
        const auto refusal = RunCliWith(arguments);
        EXPECT_EQ(refusal.status, kExitUsage);
        EXPECT_EQ(refusal.err, message);
    }
    EXPECT_FALSE(fs::exists("x.stc"));
    EXPECT_FALSE(fs::exists("x.xml"));
}

}  // namespace
}  // namespace zev::cli
