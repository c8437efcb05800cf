// The one entry through which the fuzzer and the corpus test feed bytes to UnpackImage. Beyond
// "no crash, no out-of-bounds access" (the sanitizers' part) it checks what must hold for any
// input: a refusal says why, and an accepted image packs again to a user block that reads back
// and packs to the very same bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "FuzzFinding.h"
#include "formats/ParameterImage.h"

namespace zev::fuzz {

inline Finding CheckUnpackImage(std::span<const uint8_t> bytes) {
    // Reused across calls: the database is large, and stale records beyond the counts are
    // exactly what a real program carries from one image to the next.
    static const auto first = std::make_unique<ChannelDatabase>();
    static const auto second = std::make_unique<ChannelDatabase>();
    static std::vector<uint8_t> packed(kOutputImageSize);
    static std::vector<uint8_t> repacked(kOutputImageSize);

    const ImageResult unpacked =
        UnpackImage(*first, bytes.first(std::min(bytes.size(), kInputImageSize)));
    if (!unpacked.ok) return unpacked.error.Empty() ? "a refused image without a reason" : "";

    const ImageResult pack = PackImage(*first, ImageKind::User, packed);
    if (!pack.ok) return "an accepted image does not pack: " + pack.error.English();
    if (pack.size != unpacked.size) return "the packed block has another size";
    const auto block = std::span<const uint8_t>(packed).first(pack.size);
    if (const ImageResult again = UnpackImage(*second, block); !again.ok) {
        return "the packed block does not read back: " + again.error.English();
    }
    const ImageResult repack = PackImage(*second, ImageKind::User, repacked);
    if (!repack.ok || !std::equal(block.begin(), block.end(), repacked.begin(),
                                  repacked.begin() + static_cast<long>(repack.size))) {
        return "the block read back packs to other bytes";
    }
    return {};
}

inline int FuzzUnpackImage(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckUnpackImage({data, size}));
}

}  // namespace zev::fuzz
