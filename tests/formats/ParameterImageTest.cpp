#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "ImageTestSupport.h"
#include "formats/ImageFields.h"
#include "formats/ImageRecords.h"
#include "formats/ParameterImage.h"

namespace zev {
namespace {

using testing::Hex;
using testing::SetName;
using testing::StartupDatabase;

std::vector<uint8_t> Pack(const ChannelDatabase& db, ImageKind kind) {
    std::vector<uint8_t> out(kOutputImageSize, 0xAB);
    const ImageResult result = PackImage(db, kind, out);
    EXPECT_TRUE(result.ok) << result.error;
    out.resize(result.size);
    return out;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, std::size_t offset, std::size_t n) {
    return {bytes.begin() + static_cast<long>(offset),
            bytes.begin() + static_cast<long>(offset + n)};
}

SatelliteEntry WorkedSatellite() {
    SatelliteEntry s;
    SetName(s.Name, "SAT1");
    s.Lnbtype = 1;
    s.Lnblow = 9750;
    s.Lnbhigh = 10600;
    s.DiseqcPort = 2;
    return s;
}

TransponderEntry WorkedTransponder() {
    TransponderEntry t;
    t.Frequency = 11778;
    t.Polarization = 1;
    t.Sat = 1;
    t.Symbol = 27500;
    t.TransID = 1070;
    return t;
}

ChannelEntry WorkedChannel() {
    ChannelEntry c;
    SetName(c.Name, "CH1");
    c.VPID = 512;
    c.APID = 650;
    c.PCRPID = 8190;
    c.TpNumber = 1;
    c.ServiceID = 1;
    c.NetworkID = 1;
    return c;
}

TEST(PackImage, WorkedHeaderOfAnEmptyStartupDatabase) {
    auto db = StartupDatabase(2, 2);
    const auto image = Pack(*db, ImageKind::User);
    ASSERT_EQ(image.size(), 0x20000u);
    EXPECT_EQ(Slice(image, 0, 50),
              Hex("00 00 FC FA 00 00 00 00 9C FE D0 07 40 06 D0 07 A0 0F 00 9C 00 00 00 00 00 00 "
                  "00 00 00 00 00 00 00 00 0D 00 00 00 01 00 00 00 0E 00 00 00 02 00 00 00"));
    EXPECT_EQ(Slice(image, 50, 20), std::vector<uint8_t>(20, 0xFF));
    EXPECT_EQ(Slice(image, 70, 2), Hex("00 00"));
    EXPECT_TRUE(std::all_of(image.begin() + 72, image.end(), [](uint8_t b) { return b == 0xFF; }));
}

TEST(PackImage, WorkedRecordsAtTheirAreas) {
    auto db = StartupDatabase(2, 2);
    db->header.SatCount = 1;
    db->header.TpCount = 1;
    db->header.TvCount = 1;
    db->header.RadioCount = 2;
    db->satellites[0] = WorkedSatellite();
    db->transponders[0] = WorkedTransponder();
    db->Tv(0) = WorkedChannel();
    db->Radio(0) = WorkedChannel();
    db->Radio(1) = WorkedChannel();
    const auto image = Pack(*db, ImageKind::User);

    EXPECT_EQ(Slice(image, 72, 18), Hex("5A 98 A0 A5 20 00 41 53 31 54 00 00 00 00 00 00 00 00"));
    EXPECT_EQ(Slice(image, 0xB40, 8), Hex("0A B8 80 00 6C 6B 2E 04"));
    const auto channel =
        Hex("48 43 00 31 00 00 00 00 00 00 00 00 "
            "00 10 50 14 F0 FF 00 00 20 00 01 00 01 00 00 00");
    EXPECT_EQ(Slice(image, 0x49C0, 28), channel);
    EXPECT_EQ(Slice(image, 0x1FFE0, 28), channel);
    EXPECT_EQ(Slice(image, 0x1FFC4, 28), channel);
    EXPECT_EQ(Slice(image, 0x49C0 + 28, 28), std::vector<uint8_t>(28, 0xFF));
    EXPECT_EQ(Slice(image, 0x1FFFC, 4), std::vector<uint8_t>(4, 0xFF));

    auto back = StartupDatabase(3, 4);
    ASSERT_TRUE(UnpackImage(*back, image).ok);
    EXPECT_EQ(back->satellites[0], WorkedSatellite());
    EXPECT_EQ(back->transponders[0], WorkedTransponder());
    EXPECT_EQ(back->channels[0], WorkedChannel());
    EXPECT_EQ(back->channels[3999], WorkedChannel());
    EXPECT_EQ(back->header, db->header);
    EXPECT_TRUE(back->Loaded);
}

TEST(PackImage, TwelveCharacterNamesHaveNoNul) {
    auto db = StartupDatabase();
    db->header.TvCount = 1;
    SetName(db->Tv(0).Name, "ABCDEFGHIJKL");
    const auto image = Pack(*db, ImageKind::User);
    EXPECT_EQ(Slice(image, 0x49C0, 12), Hex("42 41 44 43 46 45 48 47 4A 49 4C 4B"));
}

TEST(PackImage, TransponderFlagsUseBitsFourToOne) {
    auto db = StartupDatabase();
    db->header.TvCount = 1;
    ChannelEntry& c = db->Tv(0);
    c.TpNumber = 3;
    c.TpFlagA = 1;
    c.TpFlagD = 1;
    auto image = Pack(*db, ImageKind::User);
    EXPECT_EQ(Slice(image, 0x49C0 + 20, 2), Hex("72 00"));  // 3 << 5 | bit 4 | bit 1

    image[0x49C0 + 20] |= 0x01;  // bit 0 holds no flag: ignored when read, written 0
    auto back = StartupDatabase();
    ASSERT_TRUE(UnpackImage(*back, image).ok);
    EXPECT_EQ(back->channels[0], c);
    EXPECT_EQ(Pack(*back, ImageKind::User)[0x49C0 + 20], 0x72);
}

TEST(PackImage, WiderValuesLoseTheirHighBits) {
    auto db = StartupDatabase();
    db->header.TvCount = 1;
    db->header.TpCount = 1;
    db->Tv(0).VPID = 8192 + 5;
    db->transponders[0].Frequency = 16384 + 7;
    const auto image = Pack(*db, ImageKind::User);
    EXPECT_EQ(Slice(image, 0x49C0 + 12, 2), Hex("28 00"));
    EXPECT_EQ(Slice(image, 0xB40, 2), Hex("1C 00"));
}

// The one table of where each field lies: every numeric field of a record has one place in it,
// inside the record and off the name, and no two fields share a bit; the largest value kept is
// what the editors' check and the JSON reader refuse above.
template <typename Record>
void ExpectEveryFieldPlacedOnce(std::span<const image::ImageField<Record>> places,
                                std::span<const FieldOf<Record>> fields, std::size_t recordBytes,
                                std::size_t nameOffset) {
    EXPECT_EQ(places.size(), fields.size());
    std::vector<uint32_t> usedBits(recordBytes / 2, 0);
    for (const FieldOf<Record>& field : fields) {
        SCOPED_TRACE(field.name);
        const auto place = std::find_if(places.begin(), places.end(),
                                        [&](const auto& p) { return p.field == &field; });
        ASSERT_NE(place, places.end());
        EXPECT_LE(place->bits, place->writtenBits);
        EXPECT_LE(place->shift + place->writtenBits, 16u);
        EXPECT_LE(place->Most(), field.most);
        ASSERT_LT(place->word + 1, recordBytes);
        EXPECT_TRUE(place->word + 2 <= nameOffset || place->word >= nameOffset + 12);
        const uint32_t bits = ((1u << place->writtenBits) - 1) << place->shift;
        EXPECT_EQ(usedBits[place->word / 2] & bits, 0u);
        usedBits[place->word / 2] |= bits;
    }
}

TEST(PackImage, EachFieldHasOnePlaceAndWidthInTheImage) {
    ExpectEveryFieldPlacedOnce(image::SatelliteImageFields(), SatelliteFieldTable(),
                               image::kSatelliteBytes, image::kSatelliteNameOffset);
    ExpectEveryFieldPlacedOnce(image::TransponderImageFields(), TransponderFieldTable(),
                               image::kTransponderBytes, image::kTransponderBytes);
    ExpectEveryFieldPlacedOnce(image::ChannelImageFields(), ChannelFieldTable(),
                               image::kChannelBytes, image::kChannelNameOffset);
    for (const auto& place : image::ChannelImageFields()) {
        if (std::string_view(place.field->name) == "TpNumber") {
            EXPECT_EQ(place.Most(), image::kMaxTpNumber);
        }
    }
}

TEST(PackImage, TransponderNumberAbove2047IsRefusedNamingTheChannel) {
    auto db = StartupDatabase();
    db->header.TvCount = 2;
    db->header.RadioCount = 1;
    db->Tv(1).TpNumber = 2047;
    db->Radio(0).TpNumber = 2048;
    SetName(db->Radio(0).Name, "Radio Two");
    std::vector<uint8_t> out(kOutputImageSize, 0xAB);
    const ImageResult result = PackImage(*db, ImageKind::User, out);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.English().find("Radio channel 1 \"Radio Two\""), std::string::npos)
        << result.error;
    EXPECT_NE(result.error.English().find("2048"), std::string::npos);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](uint8_t b) { return b == 0xAB; }));

    db->Radio(0).TpNumber = 2047;
    EXPECT_TRUE(PackImage(*db, ImageKind::User, out).ok);
}

TEST(PackImage, AllHoldsADefaultBlockThenTheUserBlock) {
    auto db = StartupDatabase(2, 2);
    db->header.TvCount = 1;
    db->header.RadioCount = 1;
    db->Tv(0) = WorkedChannel();
    db->Radio(0) = WorkedChannel();
    const auto all = Pack(*db, ImageKind::All);
    ASSERT_EQ(all.size(), 0x30000u);
    EXPECT_EQ(Slice(all, 0, 2), Hex("67 45"));
    EXPECT_EQ(Slice(all, 0x10000, 2), Hex("00 00"));
    EXPECT_EQ(Slice(all, 2, 70), Slice(all, 0x10002, 70));  // same header apart from Magic
    EXPECT_EQ(Slice(all, 0x10000 - 32, 28), Slice(all, 0x30000 - 32, 28));
    EXPECT_EQ(Slice(all, 0x10000, 0x20000), Pack(*db, ImageKind::User));

    const auto def = Pack(*db, ImageKind::Default);
    ASSERT_EQ(def.size(), 0x10000u);
    EXPECT_EQ(def, Slice(all, 0, 0x10000));
    EXPECT_EQ(Slice(def, 0x10000 - 32, 12), Slice(all, 0x49C0, 12));
}

TEST(PackImage, DefaultBlockWithTooLittleRoomIsRefused) {
    auto db = StartupDatabase(3, 3);  // default block has room for 1377 channels
    db->header.TvCount = 1000;
    db->header.RadioCount = 377;
    std::vector<uint8_t> out(kOutputImageSize);
    EXPECT_TRUE(PackImage(*db, ImageKind::All, out).ok);

    db->header.RadioCount = 378;
    std::fill(out.begin(), out.end(), uint8_t{0xAB});
    const ImageResult refused = PackImage(*db, ImageKind::Default, out);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.English().find("default-channel block has room for 1377"),
              std::string::npos)
        << refused.error;
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](uint8_t b) { return b == 0xAB; }));
    EXPECT_FALSE(PackImage(*db, ImageKind::All, out).ok);
    EXPECT_TRUE(PackImage(*db, ImageKind::User, out).ok);  // the user block has room

    auto four = StartupDatabase(3, 4);
    four->header.TvCount = 1093;
    EXPECT_NE(PackImage(*four, ImageKind::All, out).error.English().find("room for 1092"),
              std::string::npos);
}

TEST(PackImage, RefusesWhatNoBufferOrBlockCanHold) {
    std::vector<uint8_t> out(kOutputImageSize);
    auto none = StartupDatabase(1, 2);  // "4M bits": no layout at all
    const ImageResult empty = PackImage(*none, ImageKind::User, out);
    EXPECT_FALSE(empty.ok);
    EXPECT_NE(empty.error.English().find("too small"), std::string::npos) << empty.error;

    auto big = StartupDatabase(3, 4);
    big->header.DefaultBlockSize = 0x18000;
    const ImageResult tooBig = PackImage(*big, ImageKind::All, out);
    EXPECT_FALSE(tooBig.ok);
    EXPECT_NE(tooBig.error.English().find("larger than the largest image"), std::string::npos);

    std::vector<uint8_t> small(0x1000);
    EXPECT_FALSE(PackImage(*big, ImageKind::User, small).ok);

    auto shrunk = StartupDatabase(3, 4);  // counts kept across a Flash Select to a smaller row
    shrunk->header.TpCount = 3000;
    UpdateFlashLayout(shrunk->header, 2, 2);
    const ImageResult over = PackImage(*shrunk, ImageKind::User, out);
    EXPECT_FALSE(over.ok);
    EXPECT_NE(over.error.English().find("3000 transponders, more than its capacity of 2000"),
              std::string::npos)
        << over.error;
}

TEST(UnpackImage, RepackGivesTheSameBytesExceptUnreadBits) {
    auto db = StartupDatabase(2, 1);
    db->header.SatCount = 1;
    db->header.TpCount = 1;
    db->header.TvCount = 1;
    db->satellites[0] = WorkedSatellite();
    db->transponders[0] = WorkedTransponder();
    db->Tv(0) = WorkedChannel();
    auto image = Pack(*db, ImageKind::User);
    const auto clean = image;
    image[27] = 0x55;  // not read
    image[55] = 0x12;  // bytes 50..71 not read
    image[71] = 0x34;
    image[72 + 18 * 5] ^= 0x01;  // places beyond the counts are not read
    const std::size_t tp = 72 + 18 * 100;
    image[tp] |= 0x01;      // frequency word bit 0 not read
    image[tp + 3] |= 0x80;  // satellite word bit 15 not read
    const std::size_t ch = tp + 8 * 1500;
    image[ch + 27] |= 0xE0;  // AC3PID read as 13 bits
    auto back = StartupDatabase();
    ASSERT_TRUE(UnpackImage(*back, image).ok);
    EXPECT_EQ(Pack(*back, ImageKind::User), clean);
}

TEST(UnpackImage, ZeroCountsLeaveTheTablesAsTheyWere) {
    auto source = StartupDatabase(2, 2);
    const auto image = Pack(*source, ImageKind::User);
    auto db = StartupDatabase(2, 2);
    db->satellites[0] = WorkedSatellite();
    db->channels[3999] = WorkedChannel();
    ASSERT_TRUE(UnpackImage(*db, image).ok);
    EXPECT_EQ(db->header.SatCount, 0);
    EXPECT_EQ(db->satellites[0], WorkedSatellite());
    EXPECT_EQ(db->channels[3999], WorkedChannel());
}

TEST(UnpackImage, FileLongerThanItsBlockIsFine) {
    auto db = StartupDatabase(2, 1);
    db->header.RadioCount = 1;
    db->Radio(0) = WorkedChannel();
    auto image = Pack(*db, ImageKind::User);
    image.resize(kInputImageSize, 0x11);
    auto back = StartupDatabase();
    ASSERT_TRUE(UnpackImage(*back, image).ok);
    EXPECT_EQ(back->Radio(0), WorkedChannel());
    EXPECT_EQ(back->RadioSlot(0), 1839u);
}

// Malformed images: each is refused with a message naming the problem, and the database keeps
// every header field and record it had.
struct Malformed {
    const char* what;
    void (*spoil)(std::vector<uint8_t>&);
    const char* message;
};

void PutWord(std::vector<uint8_t>& b, std::size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void PutLong(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
    PutWord(b, at, static_cast<uint16_t>(v >> 16));
    PutWord(b, at + 2, static_cast<uint16_t>(v));
}

class MalformedImage : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedImage, IsRefusedAndChangesNothing) {
    auto source = StartupDatabase(2, 2);
    source->header.SatCount = 2;
    source->header.TvCount = 3;
    source->header.RadioCount = 3;
    auto image = Pack(*source, ImageKind::User);
    GetParam().spoil(image);

    auto db = StartupDatabase(3, 4);
    db->header.SatCount = 1;
    db->satellites[0] = WorkedSatellite();
    db->channels[0] = WorkedChannel();
    db->channels[7999] = WorkedChannel();
    const DatabaseHeader before = db->header;
    const ImageResult result = UnpackImage(*db, image);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.English().find(GetParam().message), std::string::npos) << result.error;
    EXPECT_EQ(db->header, before);
    EXPECT_EQ(db->satellites[0], WorkedSatellite());
    EXPECT_EQ(db->channels[0], WorkedChannel());
    EXPECT_EQ(db->channels[7999], WorkedChannel());
    EXPECT_FALSE(db->Loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedImage,
    ::testing::Values(
        Malformed{"empty", [](auto& b) { b.clear(); }, "too short for its 72-byte header"},
        Malformed{"header cut", [](auto& b) { b.resize(40); }, "too short for its 72-byte"},
        Malformed{"block cut", [](auto& b) { b.resize(0x1FFFF); },
                  "shorter than the 131072-byte user block"},
        Malformed{"block beyond input buffer", [](auto& b) { PutLong(b, 46, 0x40002); },
                  "larger than the largest user block"},
        Malformed{"transponder capacity", [](auto& b) { PutWord(b, 14, 5001); },
                  "transponder capacity of 5001"},
        Malformed{"channel capacity", [](auto& b) { PutWord(b, 16, 10001); },
                  "channel capacity of 10001"},
        Malformed{"satellite count", [](auto& b) { b[26] = 157; },
                  "157 satellites, more than its capacity of 156"},
        Malformed{"transponder count", [](auto& b) { PutWord(b, 28, 2001); }, "2001 transponders"},
        Malformed{"channel count", [](auto& b) { PutWord(b, 30, 3998); },
                  "3998 TV and 3 radio channels, more than its channel capacity of 4000"},
        Malformed{"areas beyond block", [](auto& b) { PutLong(b, 46, 0x1000); },
                  "too small for its header"},
        Malformed{"tv and radio overlap",
                  [](auto& b) {
                      PutWord(b, 16, 9000);  // capacity allows it, the block has no room
                      PutWord(b, 30, 4004);
                  },
                  "room for 4006 channels, too few for its 4004 TV and 3 radio"}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

}  // namespace
}  // namespace zev
