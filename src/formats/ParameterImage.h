// Conversion between the ChannelDatabase and the byte image of the receiver's parameter flash
// blocks (.stc user block, .def default-channel block, .all both).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Translatable.h"
#include "database/ChannelDatabase.h"

namespace zev {

enum class ImageKind : uint8_t { All = 2, User = 4, Default = 5 };

inline constexpr std::size_t kInputImageSize = 0x40000;   // largest user block
inline constexpr std::size_t kOutputImageSize = 0x50000;  // largest default + user image

// The program's two image buffers: the input receives opened files and loaded blocks, the
// output receives what PackImage builds. One instance per program, zero-filled at start.
struct ImageBuffers {
    std::vector<uint8_t> input = std::vector<uint8_t>(kInputImageSize, 0);
    std::vector<uint8_t> output = std::vector<uint8_t>(kOutputImageSize, 0);
};

struct ImageResult {
    bool ok = true;
    Translatable error;    // a sentence for the user when !ok
    std::size_t size = 0;  // PackImage: bytes built
};

// Size in bytes of the image PackImage builds for that kind from the header.
std::size_t ImageSize(const DatabaseHeader& header, ImageKind kind);

// Reads `image` (the bytes available, at most the input buffer) as one user block into the
// database. A block that does not fit its own header's layout is refused and the database is
// left exactly as it was.
ImageResult UnpackImage(ChannelDatabase& db, std::span<const uint8_t> image);

// Reads an image file of `kind` into the database: a user block (.stc) as UnpackImage does, a
// default-channel block (.def) laid out within its own DefaultBlockSize, or the user block of
// an .all image, which follows the default-channel block. Refuses as UnpackImage does.
ImageResult UnpackImageOfKind(ChannelDatabase& db, std::span<const uint8_t> image, ImageKind kind);

// Builds the image of `kind` into `out` (which must hold ImageSize bytes). Refuses (writing
// nothing meaningful and saying why) what the image cannot hold.
ImageResult PackImage(const ChannelDatabase& db, ImageKind kind, std::span<uint8_t> out);

}  // namespace zev
