#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CsvTestSupport.h"
#include "ImageTestSupport.h"
#include "formats/CsvExport.h"

namespace zev {
namespace {

using testing::SetName;
using testing::StartupDatabase;

using testing::ReadCsv;
using testing::Rows;

// The Latin-1 bytes of a UTF-8 text that holds only U+0000..U+00FF.
std::string Latin1(const std::string& utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else {
            EXPECT_TRUE(c == 0xC2 || c == 0xC3) << "not Latin-1: " << utf8;
            bytes += static_cast<char>(((c & 0x03) << 6) | (utf8[++i] & 0x3F));
        }
    }
    return bytes;
}

std::string Name(const std::array<char, kNameFieldSize>& name) {
    return std::string(name.data(), std::find(name.begin(), name.begin() + 12, '\0'));
}

// A database whose names need every kind of quoting, and a channel on no transponder.
std::unique_ptr<ChannelDatabase> AwkwardDatabase() {
    auto db = StartupDatabase();
    DatabaseHeader& h = db->header;
    SetName(db->satellites[0].Name,
            "Astra, 19\xB0"
            "E");
    db->satellites[0].Lnbtype = 1;
    db->satellites[0].Lnblow = 9750;
    db->satellites[0].Lnbhigh = 10600;
    db->satellites[0].DiseqcPort = 2;
    SetName(db->satellites[1].Name, "'\"Hot\"bird");
    db->satellites[1].DiseqcType = 1;
    db->satellites[1].DiseqcPort = 7;  // only an image brings this
    h.SatCount = 2;
    db->transponders[0] = {11778, 1, 0, 1, 27500, 1070};
    db->transponders[1] = {10971, 0, 0, 2, 29700, 300};
    db->transponders[2] = {12000, 0, 0, 9, 22000, 5};  // on no satellite
    h.TpCount = 3;
    const char* names[] = {"Line\r\nBreak", " Spaced ", "Caf\xE9, Cr\xE8me", "=1+2", "", "Tab\tX"};
    const uint16_t transponders[] = {1, 2, 3, 1, 0, 2};
    for (std::size_t i = 0; i < 6; ++i) {
        ChannelEntry& c = i < 4 ? db->Tv(i) : db->Radio(i - 4);
        SetName(c.Name, names[i]);
        c.TpNumber = transponders[i];
        c.VPID = static_cast<uint16_t>(100 + i);
        c.APID = static_cast<uint16_t>(200 + i);
        c.PCRPID = static_cast<uint16_t>(300 + i);
        c.TTXPID = static_cast<uint16_t>(400 + i);
        c.AC3PID = static_cast<uint16_t>(500 + i);
        c.ServiceID = static_cast<uint16_t>(60000 + i);
        c.NetworkID = static_cast<uint16_t>(i);
    }
    h.TvCount = 4;
    h.RadioCount = 2;
    return db;
}

TEST(CsvExport, TablesReadBackAsTheDatabase) {
    const auto db = AwkwardDatabase();
    db->satellites[1].DiseqcHigh = 0xAB;
    db->satellites[1].Name[11] = 'x';  // after the name's NUL: the receiver never shows it
    const CsvTables tables = ExportCsv(*db);

    // The columns the list shows, then the bits it does not show and the name's hidden bytes.
    const auto satellites = ReadCsv(tables.satellites);
    ASSERT_TRUE(satellites) << tables.satellites;
    EXPECT_EQ(*satellites,
              (Rows{{"No.", "Name", "LnbType", "Lnblow", "Lnbhigh", "Diseqc", "Diseqcport",
                     "LnblowBit0", "DiseqcHigh", "LnbhighBit1", "LnbhighBit0", "DiseqcBit1",
                     "DiseqcBit0", "DiseqcBit2", "NameTail"},
                    {"1",
                     "Astra, 19\xC2\xB0"
                     "E",
                     "universal", "9750", "10600", "Diseqc1.0", "B", "0", "0", "0", "0", "0", "0",
                     "0", ""},
                    {"2", "''\"Hot\"bird", "normal", "0", "0", "Diseqc1.2", "7", "0", "171", "0",
                     "0", "0", "0", "0", "78"}}));

    const auto transponders = ReadCsv(tables.transponders);
    ASSERT_TRUE(transponders) << tables.transponders;
    EXPECT_EQ(*transponders,
              (Rows{{"No.", "Sat", "SatName", "Fre", "Pol", "Symbol", "TransID", "SatAux"},
                    {"1", "1",
                     "Astra, 19\xC2\xB0"
                     "E",
                     "11778", "V", "27500", "1070", "0"},
                    {"2", "2", "''\"Hot\"bird", "10971", "H", "29700", "300", "0"},
                    {"3", "9", "", "12000", "H", "22000", "5", "0"}}));

    const auto channels = ReadCsv(tables.channels);
    ASSERT_TRUE(channels) << tables.channels;
    ASSERT_EQ(channels->size(), 7u);
    EXPECT_EQ(
        (*channels)[0],
        (std::vector<std::string>{
            "List",      "No.",       "Name",    "Tp",        "Sat",     "SatName",  "Fre",
            "Pol",       "Symbol",    "VPID",    "APID",      "PCRPID",  "TTXPID",   "AC3PID",
            "ServiceID", "NetworkID", "TransID", "RadioFlag", "VpidAux", "ApidBit2", "ApidBit1",
            "ApidBit0",  "TtxBit1",   "TtxBit0", "TpFlagA",   "TpFlagB", "TpFlagC",  "TpFlagD",
            "PcrBit2",   "PcrAux",    "TtxBit2", "NameTail"}));
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const bool tv = i < 4;
        const std::size_t row = tv ? i : i - 4;
        const ChannelEntry& c = tv ? db->Tv(row) : db->Radio(row);
        const std::vector<std::string>& r = (*channels)[i + 1];
        ASSERT_EQ(r.size(), 32u);
        EXPECT_EQ(r[0], tv ? "TV" : "Radio");
        EXPECT_EQ(r[1], std::to_string(row + 1));
        EXPECT_EQ(Latin1(NameFromSpreadsheetCell(r[2])), Name(c.Name));
        EXPECT_EQ(r[3], std::to_string(c.TpNumber));
        const uint16_t pids[] = {c.VPID,   c.APID,      c.PCRPID,   c.TTXPID,
                                 c.AC3PID, c.ServiceID, c.NetworkID};
        for (std::size_t k = 0; k < 7; ++k) EXPECT_EQ(r[9 + k], std::to_string(pids[k]));
        if (c.TpNumber >= 1 && c.TpNumber <= 3) {
            const TransponderEntry& t = db->transponders[c.TpNumber - 1];
            EXPECT_EQ(r[4], std::to_string(t.Sat));
            EXPECT_EQ(r[5], t.Sat <= 2 ? (*transponders)[t.Sat][2] : "");
            EXPECT_EQ(r[6], std::to_string(t.Frequency));
            EXPECT_EQ(r[7], t.Polarization ? "V" : "H");
            EXPECT_EQ(r[8], std::to_string(t.Symbol));
            EXPECT_EQ(r[16], std::to_string(t.TransID));
        } else {  // on no transponder: nothing to resolve
            for (std::size_t k : {4, 5, 6, 7, 8, 16}) EXPECT_EQ(r[k], "");
        }
    }
}

TEST(CsvExport, FieldsAreQuotedOnlyWhenTheyNeedIt) {
    EXPECT_EQ(CsvField("ZDF"), "ZDF");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(CsvField(" padded"), "\" padded\"");  // spreadsheets would trim it otherwise
}

// A spreadsheet shows every name as text, never as a formula, and the cells read back as the
// names they were made from.
TEST(CsvExport, NamesAreNeverFormulasAndReadBackUnchanged) {
    EXPECT_EQ(SpreadsheetNameCell("=1+2"), "'=1+2");
    EXPECT_EQ(SpreadsheetNameCell("ZDF"), "ZDF");
    EXPECT_EQ(NameFromSpreadsheetCell("'abc"), "'abc");  // typed by a person: kept
    for (const std::string name :
         {"", "=SUM(A1)", "+49", "-5 dB", "@home", "'", "''", "'=x", "'abc", "a=b", "Tv 1", "="}) {
        const std::string cell = SpreadsheetNameCell(name);
        EXPECT_TRUE(cell.empty() || std::string("=+-@").find(cell[0]) == std::string::npos) << name;
        EXPECT_EQ(NameFromSpreadsheetCell(cell), name);
    }
}

TEST(CsvExport, EmptyDatabaseGivesHeadingsOnly) {
    const CsvTables tables = ExportCsv(*StartupDatabase());
    EXPECT_EQ(tables.satellites,
              "\xEF\xBB\xBFNo.,Name,LnbType,Lnblow,Lnbhigh,Diseqc,Diseqcport,LnblowBit0,DiseqcHigh,"
              "LnbhighBit1,LnbhighBit0,DiseqcBit1,DiseqcBit0,DiseqcBit2,NameTail\r\n");
    EXPECT_EQ(ReadCsv(tables.channels)->size(), 1u);
    EXPECT_EQ(ReadCsv(tables.transponders)->size(), 1u);
}

TEST(CsvExport, SiblingFilesAreNamedAfterTheChosenFile) {
    const CsvPaths list = CsvExportPaths("out/list.csv");
    EXPECT_EQ(list.channels, "out/list.csv");
    EXPECT_EQ(list.transponders, "out/list-transponders.csv");
    EXPECT_EQ(list.satellites, "out/list-satellites.csv");
    EXPECT_EQ(CsvExportPaths("channels").transponders, "channels-transponders.csv");

    // Either file beside the channels' file names the same set; other names name none.
    for (const char* sibling : {"out/list-transponders.csv", "out/list-satellites.csv"}) {
        const std::optional<CsvPaths> set = CsvSetOfSibling(sibling);
        ASSERT_TRUE(set) << sibling;
        EXPECT_EQ(set->channels, "out/list.csv");
        EXPECT_EQ(set->satellites, "out/list-satellites.csv");
    }
    EXPECT_FALSE(CsvSetOfSibling("out/list.csv"));
    EXPECT_FALSE(CsvSetOfSibling("-satellites.csv"));
}

}  // namespace
}  // namespace zev
