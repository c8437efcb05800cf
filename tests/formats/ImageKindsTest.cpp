// Reading back every kind of image that packing writes.
#include <gtest/gtest.h>

#include <vector>

#include "ImageTestSupport.h"
#include "formats/ParameterImage.h"

namespace zev {
namespace {

using testing::SetName;
using testing::StartupDatabase;

std::unique_ptr<ChannelDatabase> OneOfEach(int flash, int user) {
    auto db = StartupDatabase(flash, user);
    SetName(db->satellites[0].Name, "SAT");
    db->transponders[0] = {11778, 1, 0, 1, 27500, 1070};
    SetName(db->Tv(0).Name, "TV");
    db->Tv(0).TpNumber = 1;
    SetName(db->Radio(0).Name, "RADIO");
    db->Radio(0).TpNumber = 1;
    db->Radio(0).RadioFlag = 1;
    db->header.SatCount = 1;
    db->header.TpCount = 1;
    db->header.TvCount = 1;
    db->header.RadioCount = 1;
    return db;
}

TEST(ImageKinds, EveryKindUnpacksToTheRecordsItWasPackedFrom) {
    for (const auto& [flash, user] : {std::pair{2, 1}, std::pair{2, 2}, std::pair{3, 4}}) {
        for (const ImageKind kind : {ImageKind::User, ImageKind::Default, ImageKind::All}) {
            SCOPED_TRACE(::testing::Message()
                         << flash << "/" << user << " kind " << static_cast<int>(kind));
            const auto db = OneOfEach(flash, user);
            std::vector<uint8_t> image(kOutputImageSize);
            const ImageResult packed = PackImage(*db, kind, image);
            ASSERT_TRUE(packed.ok) << packed.error;
            image.resize(packed.size);
            auto back = std::make_unique<ChannelDatabase>();
            const ImageResult unpacked = UnpackImageOfKind(*back, image, kind);
            ASSERT_TRUE(unpacked.ok) << unpacked.error;
            EXPECT_EQ(back->satellites[0], db->satellites[0]);
            EXPECT_EQ(back->transponders[0], db->transponders[0]);
            EXPECT_EQ(back->Tv(0), db->Tv(0));
            EXPECT_EQ(back->Radio(0), db->Radio(0));  // the end of the right block
            EXPECT_EQ(back->header.UserBlockSize, db->header.UserBlockSize);
        }
    }
}

TEST(ImageKinds, ShortImagesAreRefusedAndLeaveTheDatabaseAlone) {
    const auto db = OneOfEach(2, 2);
    std::vector<uint8_t> all(kOutputImageSize);
    const ImageResult packed = PackImage(*db, ImageKind::All, all);
    ASSERT_TRUE(packed.ok);
    auto target = std::make_unique<ChannelDatabase>();
    for (const std::size_t size : {std::size_t{10}, std::size_t{0x10000}, packed.size - 1}) {
        const ImageResult result =
            UnpackImageOfKind(*target, std::span(all).first(size), ImageKind::All);
        EXPECT_FALSE(result.ok) << size;
        EXPECT_FALSE(target->Loaded);
    }
    const ImageResult def =
        UnpackImageOfKind(*target, std::span(all).first(0x8000), ImageKind::Default);
    EXPECT_FALSE(def.ok);
    EXPECT_EQ(def.error,
              "The image is 32768 bytes long, shorter than the 65536-byte default-channel block "
              "its header describes.");
}

}  // namespace
}  // namespace zev
