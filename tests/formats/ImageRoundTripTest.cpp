// Property test: random databases whose every field stays within its width in the image pack,
// unpack and pack again to the same bytes, for every flash layout and every image kind.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "CsvTestSupport.h"
#include "ImageTestSupport.h"
#include "formats/CsvExport.h"
#include "formats/CsvImport.h"
#include "formats/ParameterImage.h"

namespace zev {
namespace {

class Random {
  public:
    explicit Random(unsigned seed) : engine_(seed) {}
    unsigned Bits(unsigned width) {
        return std::uniform_int_distribution<unsigned>(0, (1u << width) - 1)(engine_);
    }
    std::size_t UpTo(std::size_t most) {
        return std::uniform_int_distribution<std::size_t>(0, most)(engine_);
    }
    template <std::size_t N>
    void Name(std::array<char, N>& name) {
        for (std::size_t i = 0; i + 1 < N; ++i) name[i] = static_cast<char>(Bits(8));
        name[N - 1] = '\0';
    }

  private:
    std::mt19937 engine_;
};

template <typename T>
T Field(Random& r, unsigned width) {
    return static_cast<T>(r.Bits(width));
}

SatelliteEntry RandomSatellite(Random& r) {
    SatelliteEntry s;
    s.Lnbtype = Field<uint8_t>(r, 1);
    s.LnblowBit0 = Field<uint8_t>(r, 1);
    s.Lnblow = Field<uint16_t>(r, 14);
    s.Lnbhigh = Field<uint16_t>(r, 14);
    s.DiseqcType = Field<uint8_t>(r, 1);
    s.DiseqcPort = Field<uint8_t>(r, 4);
    s.DiseqcHigh = Field<uint8_t>(r, 8);
    s.LnbhighBit1 = Field<uint8_t>(r, 1);
    s.LnbhighBit0 = Field<uint8_t>(r, 1);
    s.DiseqcBit1 = Field<uint8_t>(r, 1);
    s.DiseqcBit0 = Field<uint8_t>(r, 1);
    s.DiseqcBit2 = Field<uint8_t>(r, 1);
    r.Name(s.Name);
    return s;
}

TransponderEntry RandomTransponder(Random& r) {
    TransponderEntry t;
    t.Frequency = Field<uint16_t>(r, 14);
    t.Polarization = Field<uint8_t>(r, 1);
    t.SatAux = Field<uint8_t>(r, 7);
    t.Sat = Field<uint8_t>(r, 8);
    t.Symbol = Field<uint16_t>(r, 16);
    t.TransID = Field<uint16_t>(r, 16);
    return t;
}

ChannelEntry RandomChannel(Random& r) {
    ChannelEntry c;
    r.Name(c.Name);
    c.RadioFlag = Field<uint8_t>(r, 1);
    c.VpidAux = Field<uint8_t>(r, 2);
    c.ApidBit2 = Field<uint8_t>(r, 1);
    c.ApidBit1 = Field<uint8_t>(r, 1);
    c.ApidBit0 = Field<uint8_t>(r, 1);
    c.TtxBit1 = Field<uint8_t>(r, 1);
    c.TtxBit0 = Field<uint8_t>(r, 1);
    c.TpFlagA = Field<uint8_t>(r, 1);
    c.TpFlagB = Field<uint8_t>(r, 1);
    c.TpFlagC = Field<uint8_t>(r, 1);
    c.TpFlagD = Field<uint8_t>(r, 1);
    c.PcrBit2 = Field<uint8_t>(r, 1);
    c.PcrAux = Field<uint8_t>(r, 2);
    c.TtxBit2 = Field<uint8_t>(r, 1);
    c.TpNumber = Field<uint16_t>(r, 11);
    c.ServiceID = Field<uint16_t>(r, 16);
    c.NetworkID = Field<uint16_t>(r, 16);
    c.VPID = Field<uint16_t>(r, 13);
    c.APID = Field<uint16_t>(r, 13);
    c.PCRPID = Field<uint16_t>(r, 13);
    c.TTXPID = Field<uint16_t>(r, 13);
    c.AC3PID = Field<uint16_t>(r, 13);
    return c;
}

// Channels that fit both blocks the kind writes: the default-channel block of 16M bits with 3
// or 4 sectors holds fewer than ChannelCapacity.
std::size_t ChannelRoom(const DatabaseHeader& h, ImageKind kind) {
    const std::size_t areas = 72 + 18 * h.SatCapacity + 8 * h.TpCapacity + 4;
    std::size_t room = h.ChannelCapacity;
    if (kind != ImageKind::User) room = std::min(room, (h.DefaultBlockSize - areas) / 28);
    return room;
}

void FillRandom(ChannelDatabase& db, ImageKind kind, Random& r, bool full) {
    DatabaseHeader& h = db.header;
    h.Magic = Field<uint16_t>(r, 16);
    h.MarkerA = Field<uint8_t>(r, 8);
    h.MarkerB = Field<uint8_t>(r, 8);
    h.MarkerC = Field<uint8_t>(r, 8);
    h.ReservedWord = Field<uint16_t>(r, 16);
    h.ReservedByteA = Field<uint8_t>(r, 8);
    h.ReservedByteB = Field<uint8_t>(r, 8);
    h.DefaultSatCount = Field<uint8_t>(r, 8);
    h.DefaultTpCount = Field<uint16_t>(r, 16);
    h.DefaultTvCount = Field<uint16_t>(r, 16);
    h.DefaultRadioCount = Field<uint16_t>(r, 16);
    h.SatCount = static_cast<uint8_t>(full ? h.SatCapacity : r.UpTo(h.SatCapacity));
    h.TpCount = static_cast<uint16_t>(full ? h.TpCapacity : r.UpTo(h.TpCapacity));
    const std::size_t room = ChannelRoom(h, kind);
    h.TvCount = static_cast<uint16_t>(full ? room / 2 : r.UpTo(room));
    h.RadioCount = static_cast<uint16_t>(full ? room - h.TvCount : r.UpTo(room - h.TvCount));
    for (std::size_t i = 0; i < h.SatCount; ++i) db.satellites[i] = RandomSatellite(r);
    for (std::size_t i = 0; i < h.TpCount; ++i) db.transponders[i] = RandomTransponder(r);
    for (std::size_t i = 0; i < h.TvCount; ++i) db.Tv(i) = RandomChannel(r);
    for (std::size_t i = 0; i < h.RadioCount; ++i) db.Radio(i) = RandomChannel(r);
}

void ExpectSameRecords(const ChannelDatabase& a, const ChannelDatabase& b) {
    ASSERT_EQ(a.header, b.header);
    for (std::size_t i = 0; i < a.header.SatCount; ++i) {
        ASSERT_EQ(a.satellites[i], b.satellites[i]) << "satellite " << i;
    }
    for (std::size_t i = 0; i < a.header.TpCount; ++i) {
        ASSERT_EQ(a.transponders[i], b.transponders[i]) << "transponder " << i;
    }
    for (std::size_t i = 0; i < a.header.TvCount; ++i) ASSERT_EQ(a.Tv(i), b.Tv(i)) << "tv " << i;
    for (std::size_t i = 0; i < a.header.RadioCount; ++i) {
        ASSERT_EQ(a.Radio(i), b.Radio(i)) << "radio " << i;
    }
}

struct Layout {
    int flash;
    int user;
};

class ImageRoundTrip : public ::testing::TestWithParam<Layout> {};

TEST_P(ImageRoundTrip, PackUnpackPackGivesIdenticalBytes) {
    const Layout layout = GetParam();
    unsigned seed = static_cast<unsigned>(layout.flash * 10 + layout.user);
    for (ImageKind kind : {ImageKind::User, ImageKind::Default, ImageKind::All}) {
        for (bool full : {false, true, false}) {
            SCOPED_TRACE(::testing::Message() << "kind " << int(kind) << " full " << full);
            Random random(++seed);
            auto db = testing::StartupDatabase(layout.flash, layout.user);
            FillRandom(*db, kind, random, full);

            std::vector<uint8_t> first(kOutputImageSize);
            const ImageResult packed = PackImage(*db, kind, first);
            ASSERT_TRUE(packed.ok) << packed.error;
            ASSERT_EQ(packed.size, ImageSize(db->header, kind));
            first.resize(packed.size);

            // The user block is read back; a default-only image carries no user block, so
            // the database goes through a user block of its own.
            std::vector<uint8_t> user(kOutputImageSize);
            ASSERT_TRUE(PackImage(*db, ImageKind::User, user).ok);
            std::span<const uint8_t> userBlock(user.data(), db->header.UserBlockSize);
            if (kind == ImageKind::All) {
                userBlock = std::span<const uint8_t>(first).subspan(db->header.DefaultBlockSize);
            }
            auto back = testing::StartupDatabase(1, 1);
            const ImageResult unpacked = UnpackImage(*back, userBlock);
            ASSERT_TRUE(unpacked.ok) << unpacked.error;
            ExpectSameRecords(*db, *back);

            std::vector<uint8_t> second(kOutputImageSize);
            const ImageResult repacked = PackImage(*back, kind, second);
            ASSERT_TRUE(repacked.ok) << repacked.error;
            second.resize(repacked.size);
            ASSERT_TRUE(first == second);
        }
    }
}

std::span<const uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The records of `from` in place of those of `to` (the header stays).
void CopyRecords(const ChannelDatabase& from, ChannelDatabase& to) {
    to.satellites = from.satellites;
    to.transponders = from.transponders;
    to.channels = from.channels;
}

// Exporting a user block as CSV and importing the files onto the image gives the image back
// byte for byte (every carried bit, the bytes after a name's NUL, references that name no
// record), also after a spreadsheet saved the files again in a way of its own.
TEST_P(ImageRoundTrip, CsvExportAndImportGiveTheImageBack) {
    const Layout layout = GetParam();
    Random random(static_cast<unsigned>(1000 + layout.flash * 10 + layout.user));
    const testing::CsvDialect dialects[] = {
        {},
        {';', false, "\n", true, false},
        {',', false, "\r\n", false, true},
        {';', true, "\r", false, false},
    };
    for (const bool full : {false, true}) {
        SCOPED_TRACE(::testing::Message() << "full " << full);
        auto db = testing::StartupDatabase(layout.flash, layout.user);
        FillRandom(*db, ImageKind::User, random, full);
        std::vector<uint8_t> image(kOutputImageSize);
        const ImageResult packed = PackImage(*db, ImageKind::User, image);
        ASSERT_TRUE(packed.ok) << packed.error;
        image.resize(packed.size);
        auto exported = testing::StartupDatabase(1, 1);
        ASSERT_TRUE(UnpackImage(*exported, image).ok);
        const CsvTables tables = ExportCsv(*exported);

        for (std::size_t d = 0; d < std::size(dialects); ++d) {
            SCOPED_TRACE(::testing::Message() << "dialect " << d);
            CsvTables saved = tables;
            if (d > 0) {
                for (std::string* table :
                     {&saved.channels, &saved.transponders, &saved.satellites}) {
                    const auto rows = testing::ReadCsv(*table);
                    ASSERT_TRUE(rows);
                    *table = testing::WriteCsv(*rows, dialects[d]);
                }
            }
            // Onto the image, its records first replaced by others, so that only the import
            // can bring them back.
            auto target = testing::StartupDatabase(1, 1);
            ASSERT_TRUE(UnpackImage(*target, image).ok);
            auto other = testing::StartupDatabase(layout.flash, layout.user);
            FillRandom(*other, ImageKind::User, random, true);
            CopyRecords(*other, *target);
            const auto imported = ImportCsv(*target, {{"c.csv", Bytes(saved.channels)},
                                                      {"t.csv", Bytes(saved.transponders)},
                                                      {"s.csv", Bytes(saved.satellites)}});
            ASSERT_TRUE(imported.ok()) << imported.error().front().Text();
            EXPECT_EQ(imported->tv, db->header.TvCount);

            std::vector<uint8_t> again(kOutputImageSize);
            const ImageResult repacked = PackImage(*target, ImageKind::User, again);
            ASSERT_TRUE(repacked.ok) << repacked.error;
            again.resize(repacked.size);
            ASSERT_TRUE(again == image);
        }
    }
}

TEST(CsvImport, AnEditedCellChangesThatFieldAlone) {
    Random random(77);
    auto db = testing::StartupDatabase();
    FillRandom(*db, ImageKind::User, random, true);
    const CsvTables tables = ExportCsv(*db);
    auto rows = testing::ReadCsv(tables.channels);
    ASSERT_TRUE(rows);
    auto column = [&](const std::string& heading) {
        const auto& headings = rows->front();
        return static_cast<std::size_t>(std::find(headings.begin(), headings.end(), heading) -
                                        headings.begin());
    };
    (*rows)[1][column("Name")] = "=Edited, \"x\"";  // a spreadsheet writes no apostrophe back
    (*rows)[2][column("VPID")] = "8191";
    const std::string channels = testing::WriteCsv(*rows, {});

    auto expected = testing::StartupDatabase();
    CopyRecords(*db, *expected);
    expected->header = db->header;
    testing::SetName(expected->Tv(0).Name, "=Edited, \"x\"");
    expected->Tv(1).VPID = 8191;

    const auto imported = ImportCsv(*db, {{"c.csv", Bytes(channels)},
                                          {"t.csv", Bytes(tables.transponders)},
                                          {"s.csv", Bytes(tables.satellites)}});
    ASSERT_TRUE(imported.ok()) << imported.error().front().Text();
    ExpectSameRecords(*expected, *db);
}

INSTANTIATE_TEST_SUITE_P(EveryFlashLayout, ImageRoundTrip,
                         ::testing::Values(Layout{2, 1}, Layout{2, 2}, Layout{3, 1}, Layout{3, 2},
                                           Layout{3, 3}, Layout{3, 4}),
                         [](const auto& info) {
                             return "Flash" + std::to_string(info.param.flash) + "User" +
                                    std::to_string(info.param.user);
                         });

}  // namespace
}  // namespace zev
