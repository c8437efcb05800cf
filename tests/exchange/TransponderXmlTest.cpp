#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/FlashLayout.h"
#include "editing/TransponderUpdate.h"
#include "exchange/TransponderXml.h"

namespace zev {
namespace {

std::span<const uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::unique_ptr<ChannelDatabase> TwoSatellites() {
    auto db = std::make_unique<ChannelDatabase>();
    UpdateFlashLayout(db->header, 2, 2);
    const char* names[] = {"SAT-EAST", "SAT & \"W\"\x01"};
    for (int s = 0; s < 2; ++s) {
        std::snprintf(db->satellites[s].Name.data(), kNameFieldSize, "%s", names[s]);
    }
    db->header.SatCount = 2;
    const TransponderEntry transponders[] = {
        {11778, 1, 0, 1, 27500, 1070}, {10744, 0, 0, 2, 22000, 5}, {12188, 0, 0, 1, 27500, 9}};
    for (const TransponderEntry& tp : transponders) db->transponders[db->header.TpCount++] = tp;
    return db;
}

TEST(TransponderXml, ExportReadsBackAndUpdatesNothing) {
    auto db = TwoSatellites();
    const std::vector<std::optional<int>> positions = {192, -300};
    const TransponderFile exported = TransponderFileOf(*db, positions);
    const std::string xml = TransponderXmlText(exported);
    EXPECT_EQ(xml,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<satellites>\n"
              "  <sat name=\"SAT-EAST\" flags=\"0\" position=\"192\">\n"
              "    <transponder frequency=\"11778000\" symbol_rate=\"27500000\" polarization=\"1\" "
              "fec_inner=\"0\" system=\"0\" modulation=\"1\"/>\n"
              "    <transponder frequency=\"12188000\" symbol_rate=\"27500000\" polarization=\"0\" "
              "fec_inner=\"0\" system=\"0\" modulation=\"1\"/>\n"
              "  </sat>\n"
              "  <sat name=\"SAT &amp; &quot;W&quot;\" flags=\"0\" position=\"-300\">\n"
              "    <transponder frequency=\"10744000\" symbol_rate=\"22000000\" polarization=\"0\" "
              "fec_inner=\"0\" system=\"0\" modulation=\"1\"/>\n"
              "  </sat>\n"
              "</satellites>\n");

    const auto read = ReadTransponderXml("x.xml", Bytes(xml));
    ASSERT_TRUE(read.ok()) << read.error();
    ASSERT_EQ(read->satellites.size(), 2u);
    EXPECT_EQ(read->satellites[1].name, "SAT & \"W\"");  // the control character is left out
    EXPECT_EQ(read->satellites[1].position, -300);
    EXPECT_EQ(read->satellites[0].transponders.size(), 2u);
    EXPECT_EQ(read->satellites[0].transponders[1].line, 5u);

    const auto ties = TieSatellites(*db, *read, positions);
    std::vector<std::optional<std::size_t>> tied;
    for (const SatelliteTie& tie : ties) tied.push_back(tie.fileSatellite);
    const TransponderUpdatePlan plan = PlanTransponderUpdate(*db, *read, tied, true);
    EXPECT_EQ(SatelliteUpdateLine(*db, *read, ties[0], plan.satellites[0]),
              "SAT-EAST (19.2E): 0 added, 0 updated, 2 unchanged, 0 not in the file, 0 circular "
              "skipped");
    EXPECT_EQ(plan.satellites[1].unchanged, 1u);
    EXPECT_EQ(plan.transpondersAfter, 3u);
}

TEST(TransponderXml, OtherToolsExtrasArePassedOver) {
    const std::string xml =
        "<?xml version=\"1.0\"?>\n<!-- a comment -->\n<satellites version=\"2\">\n"
        "<header><name>x</name></header>\n"
        "<sat name=\"A\" position=\"-8\" extra=\"1\">\n"
        "<transponder frequency=\" 10719000\" symbol_rate=\"27500000\" polarization=\"3\" "
        "pls_mode=\"0\"><note/></transponder>\n"
        "<other/>\n</sat>\n</satellites>\n";
    const auto read = ReadTransponderXml("x.xml", Bytes(xml));
    ASSERT_TRUE(read.ok()) << read.error();
    ASSERT_EQ(read->satellites.size(), 1u);
    EXPECT_EQ(read->satellites[0].position, -8);
    ASSERT_EQ(read->satellites[0].transponders.size(), 1u);
    EXPECT_EQ(read->satellites[0].transponders[0].frequency, 10719000u);
    EXPECT_EQ(read->satellites[0].transponders[0].polarization, 3u);
}

// The place is where the reader stands: just after the element at fault.
TEST(TransponderXml, MalformedFilesNameTheirPlace) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "f.xml:1:1: "},
        {"<channels/>", "f.xml:1:12: the outermost element is <channels>, not <satellites>"},
        {"<satellites>\n<sat name=\"A\">", "f.xml:2:15: <sat> has no position"},
        {"<satellites>\n<sat name=\"A\" position=\"1801\"/>",
         "f.xml:2:32: <sat> position=\"1801\" is no whole number from -1800 to 1800"},
        {"<satellites><sat position=\"1\"/></satellites>", "f.xml:1:32: <sat> has no name"},
        {"<satellites><sat name=\"A\" position=\"1\">\n"
         "<transponder frequency=\"-1\" symbol_rate=\"1\" polarization=\"0\"/>",
         "f.xml:2:63: <transponder> frequency=\"-1\" is no whole number from 0 to "
         "1000000000000"},
        {"<satellites><sat name=\"A\" position=\"1\">\n"
         "<transponder frequency=\"1\" symbol_rate=\"1\" polarization=\"4\"/>",
         "f.xml:2:62: <transponder> polarization=\"4\" is no whole number from 0 to 3"},
        {"<satellites><sat name=\"A\" position=\"1\"></satellites>", "f.xml:1:53: "},
        {"<satellites/><satellites/>", "f.xml:1:27: "},
    };
    for (const auto& [xml, message] : cases) {
        SCOPED_TRACE(xml);
        const auto read = ReadTransponderXml("f.xml", Bytes(xml));
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().English().substr(0, message.size()), message);
    }
}

}  // namespace
}  // namespace zev
