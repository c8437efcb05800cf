// Arbitrary bytes as a parameter data file for Update Parameters: parsed into the one parse
// instance the program keeps, then built into the update image when the tables and the buffer
// hold it. Beyond the sanitizers' part it checks that the counts and the malformed lines agree,
// that the image's header describes exactly the bytes built, and that parsing the same bytes
// again builds the same image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "FuzzFinding.h"
#include "core/ByteOrder.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "formats/ParameterUpdateImage.h"

namespace zev::fuzz {

namespace detail {

inline std::size_t CountOfKind(const ParameterDataFile& data, char kind) {
    switch (kind) {
        case 'S':
            return data.SatelliteCount();
        case 'T':
            return data.TransponderCount();
        case 'C':
            return data.ChannelCount();
        default:
            return 0;
    }
}

inline Finding CheckMalformedLines(const ParameterDataFile& data) {
    std::size_t next[3] = {0, 0, 0};  // S, T, C: each kind's indices rise
    for (const MalformedLine& line : data.MalformedLines()) {
        const std::size_t kind = line.kind == 'S' ? 0 : line.kind == 'T' ? 1 : 2;
        if (line.kind != 'S' && line.kind != 'T' && line.kind != 'C') {
            return "a malformed line of an unknown kind";
        }
        if (line.index >= CountOfKind(data, line.kind) || line.index < next[kind]) {
            return "a malformed line's index does not match the counts";
        }
        next[kind] = line.index + 1;
    }
    return {};
}

// The 54-byte header against the image built after it.
inline Finding CheckImageHeader(const ParameterDataFile& data, std::span<const uint8_t> image) {
    if (ReadLe32(&image[12]) != image.size() || ReadLe16(&image[16]) != kUpdateHeaderSize) {
        return "the update image's header does not give its length";
    }
    const uint32_t satOffset = ReadLe32(&image[18 + 8]);
    const uint32_t tpOffset = ReadLe32(&image[30 + 8]);
    const uint32_t chOffset = ReadLe32(&image[42 + 8]);
    const uint32_t chSize = ReadLe32(&image[42 + 2]);
    if (satOffset != kUpdateHeaderSize || tpOffset != satOffset + ReadLe32(&image[18 + 2]) ||
        chOffset != tpOffset + ReadLe32(&image[30 + 2])) {
        return "the update image's table entries do not follow each other";
    }
    const std::size_t records = data.FullDatabase() ? std::size_t{chOffset} + chSize
                                                    : kUpdateHeaderSize + std::size_t{chSize};
    if (records != image.size()) return "the update image's tables do not end where it ends";
    return {};
}

}  // namespace detail

inline Finding CheckParameterDataFile(std::span<const uint8_t> bytes) {
    // One parse instance for every input, as in the program: a malformed line keeps the record
    // an earlier parse left in its slot.
    static const auto data = std::make_unique<ParameterDataFile>();

    const bool found = data->Parse(bytes);
    const std::size_t lines =
        data->SatelliteCount() + data->TransponderCount() + data->ChannelCount();
    if (found != (lines > 0)) return "the parse's verdict does not match its counts";
    if (Finding f = detail::CheckMalformedLines(*data); !f.empty()) return f;
    if (!found || !UpdateImageProblem(*data, kInputImageSize).Empty()) return {};

    // Exactly as long as the image says it is: a byte written past it is the sanitizer's.
    std::vector<uint8_t> image(UpdateImageLength(*data));
    BuildUpdateImage(*data, image);
    if (Finding f = detail::CheckImageHeader(*data, image); !f.empty()) return f;

    data->Parse(bytes);
    std::vector<uint8_t> again(UpdateImageLength(*data));
    BuildUpdateImage(*data, again);
    if (again != image) return "parsing the same bytes again builds another image";
    return {};
}

inline int FuzzParameterDataFile(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckParameterDataFile({data, size}));
}

}  // namespace zev::fuzz
