#include "formats/ParameterImage.h"

#include <algorithm>
#include <string>

#include "core/TextFormat.h"
#include "database/RecordName.h"
#include "formats/ImageLayout.h"
#include "formats/ImageRecords.h"

namespace zev {

namespace {

using image::BlockLayout;
using image::CheckBlockLayout;

ImageResult Refused(Translatable message) {
    ImageResult result;
    result.ok = false;
    result.error = std::move(message);
    return result;
}

// A TpNumber above 2047 would lose its high bits in the image and silently move the channel
// to another transponder, so packing refuses it and names the channel.
Translatable CheckTransponderNumbers(const ChannelDatabase& db) {
    // The first channel of one list whose transponder number is too large, said in `wording`.
    const auto firstTooLarge = [&db](bool tv, Translatable wording) -> Translatable {
        const std::size_t count = tv ? db.header.TvCount : db.header.RadioCount;
        for (std::size_t row = 0; row < count; ++row) {
            const ChannelEntry& c = tv ? db.Tv(row) : db.Radio(row);
            if (c.TpNumber > image::kMaxTpNumber) {
                return std::move(wording).Arg(row + 1).Arg(NameBytes(c.Name)).Arg(c.TpNumber);
            }
        }
        return {};
    };
    Translatable tv =
        firstTooLarge(true, ZEV_TR("ParameterImage",
                                   "TV channel %1 \"%2\" is on transponder %3; the image can hold "
                                   "transponder numbers up to 2047 only."));
    if (!tv.Empty()) return tv;
    return firstTooLarge(false,
                         ZEV_TR("ParameterImage",
                                "Radio channel %1 \"%2\" is on transponder %3; the image can hold "
                                "transponder numbers up to 2047 only."));
}

// Writes one block; the caller has checked the layout for this block size.
void PackBlock(const ChannelDatabase& db, uint16_t magic, std::span<uint8_t> block) {
    const DatabaseHeader& h = db.header;
    const BlockLayout layout(h, block.size());
    image::EncodeHeader(h, magic, block);
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        image::EncodeSatellite(db.satellites[i], block, layout.Satellite(i));
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        image::EncodeTransponder(db.transponders[i], block, layout.Transponder(i));
    }
    for (std::size_t i = 0; i < h.TvCount; ++i) {
        image::EncodeChannel(db.Tv(i), block, layout.Tv(i));
    }
    for (std::size_t i = 0; i < h.RadioCount; ++i) {
        image::EncodeChannel(db.Radio(i), block, layout.Radio(i));
    }
}

// Reads one block of `image` laid out by the header at its start; `blockSize` picks the
// header's size field of that block.
ImageResult UnpackBlock(ChannelDatabase& db, std::span<const uint8_t> image,
                        uint32_t DatabaseHeader::*blockSize, const Translatable& blockName) {
    if (image.size() < image::kHeaderBytes) {
        return Refused(ZEV_TR("ParameterImage",
                              "The image is %1 bytes long, too short for its 72-byte header.")
                           .Arg(image.size()));
    }
    const DatabaseHeader h = image::DecodeHeader(image);
    const std::size_t size = h.*blockSize;
    if (size > kInputImageSize) {
        return Refused(ZEV_TR("ParameterImage",
                              "The image's %1 size of %2 bytes is larger than the "
                              "largest user block (%3 bytes).")
                           .Arg(blockName)
                           .Arg(size)
                           .Arg(kInputImageSize));
    }
    if (image.size() < size) {
        return Refused(ZEV_TR("ParameterImage",
                              "The image is %1 bytes long, shorter than the %2-byte %3 "
                              "its header describes.")
                           .Arg(image.size())
                           .Arg(size)
                           .Arg(blockName));
    }
    if (Translatable problem = CheckBlockLayout(h, size, blockName); !problem.Empty()) {
        return Refused(std::move(problem));
    }

    // Everything below lies inside the block; only now is the database changed.
    const auto block = image.first(size);
    const BlockLayout layout(h, size);
    db.header = h;
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        db.satellites[i] = image::DecodeSatellite(block, layout.Satellite(i));
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        db.transponders[i] = image::DecodeTransponder(block, layout.Transponder(i));
    }
    for (std::size_t i = 0; i < h.TvCount; ++i) {
        db.Tv(i) = image::DecodeChannel(block, layout.Tv(i));
    }
    for (std::size_t i = 0; i < h.RadioCount; ++i) {
        db.Radio(i) = image::DecodeChannel(block, layout.Radio(i));
    }
    db.Loaded = true;
    ImageResult result;
    result.size = size;
    return result;
}

}  // namespace

std::size_t ImageSize(const DatabaseHeader& header, ImageKind kind) {
    switch (kind) {
        case ImageKind::User:
            return header.UserBlockSize;
        case ImageKind::Default:
            return header.DefaultBlockSize;
        case ImageKind::All:
            return std::size_t{header.DefaultBlockSize} + header.UserBlockSize;
    }
    return 0;
}

ImageResult UnpackImage(ChannelDatabase& db, std::span<const uint8_t> image) {
    return UnpackBlock(db, image, &DatabaseHeader::UserBlockSize, image::UserBlockName());
}

ImageResult UnpackImageOfKind(ChannelDatabase& db, std::span<const uint8_t> image, ImageKind kind) {
    switch (kind) {
        case ImageKind::User:
            return UnpackImage(db, image);
        case ImageKind::Default:
            return UnpackBlock(db, image, &DatabaseHeader::DefaultBlockSize,
                               image::DefaultBlockName());
        case ImageKind::All:
            break;
    }
    // Both blocks carry the same header apart from Magic, so the first one says where the
    // user block begins.
    if (image.size() < image::kHeaderBytes) return UnpackImage(db, image);
    const std::size_t userStart = image::DecodeHeader(image).DefaultBlockSize;
    if (image.size() < userStart + image::kHeaderBytes) {
        return Refused(ZEV_TR("ParameterImage",
                              "The image is %1 bytes long, too short for a %2-byte "
                              "default-channel block followed by a user block.")
                           .Arg(image.size())
                           .Arg(userStart));
    }
    return UnpackImage(db, image.subspan(userStart));
}

ImageResult PackImage(const ChannelDatabase& db, ImageKind kind, std::span<uint8_t> out) {
    const DatabaseHeader& h = db.header;
    const std::size_t size = ImageSize(h, kind);
    if (size > kOutputImageSize) {
        return Refused(ZEV_TR("ParameterImage",
                              "The image of %1 bytes is larger than the largest image (%2 bytes).")
                           .Arg(size)
                           .Arg(kOutputImageSize));
    }
    if (size > out.size()) {
        return Refused(ZEV_TR("ParameterImage",
                              "The image of %1 bytes does not fit the %2-byte output buffer.")
                           .Arg(size)
                           .Arg(out.size()));
    }
    const bool withDefault = kind == ImageKind::Default || kind == ImageKind::All;
    const bool withUser = kind == ImageKind::User || kind == ImageKind::All;
    if (withUser) {
        if (h.UserBlockSize > kInputImageSize) {
            return Refused(ZEV_TR("ParameterImage",
                                  "The user block size of %1 bytes is larger than the largest "
                                  "user block (%2 bytes).")
                               .Arg(h.UserBlockSize)
                               .Arg(kInputImageSize));
        }
        if (Translatable problem = CheckBlockLayout(h, h.UserBlockSize, image::UserBlockName());
            !problem.Empty()) {
            return Refused(std::move(problem));
        }
    }
    if (withDefault) {
        if (Translatable problem =
                CheckBlockLayout(h, h.DefaultBlockSize, image::DefaultBlockName());
            !problem.Empty()) {
            return Refused(std::move(problem));
        }
    }
    if (Translatable problem = CheckTransponderNumbers(db); !problem.Empty()) {
        return Refused(std::move(problem));
    }

    const auto image = out.first(size);
    std::fill(image.begin(), image.end(), uint8_t{0xFF});
    if (kind == ImageKind::User) {
        PackBlock(db, h.Magic, image);
    } else {
        PackBlock(db, image::kDefaultBlockMagic, image.first(h.DefaultBlockSize));
        if (kind == ImageKind::All) PackBlock(db, h.Magic, image.subspan(h.DefaultBlockSize));
    }
    ImageResult result;
    result.size = size;
    return result;
}

}  // namespace zev
