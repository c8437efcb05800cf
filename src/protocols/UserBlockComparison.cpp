#include "protocols/UserBlockComparison.h"

#include <algorithm>
#include <memory>

#include "core/TextFormat.h"
#include "database/ChannelDatabase.h"
#include "editing/DatabaseDiff.h"
#include "editing/DiffText.h"
#include "formats/ParameterImage.h"

namespace zev {
namespace {

// Names come out of the comparison as UTF-8; the terminal's text is Latin-1, which holds
// every character a name can have.
std::string Utf8ToLatin1(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
        } else if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            const unsigned code =
                (lead & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
            out += code < 0x100 ? static_cast<char>(code) : '?';
        } else {
            // Longer sequences name characters beyond Latin-1; skip their continuation bytes.
            while (i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
                ++i;
            }
            out += '?';
        }
    }
    return out;
}

}  // namespace

BlockComparison CompareUserBlocks(std::span<const uint8_t> expected,
                                  std::span<const uint8_t> found) {
    BlockComparison result;
    if (std::ranges::equal(expected, found)) {
        return result;
    }
    result.equal = false;
    auto wanted = std::make_unique<ChannelDatabase>();
    auto held = std::make_unique<ChannelDatabase>();
    if (const ImageResult unpacked = UnpackImage(*held, found); !unpacked.ok) {
        result.differences.push_back("The box's user block can't be read: " +
                                     unpacked.error.English());
        return result;
    }
    if (const ImageResult unpacked = UnpackImage(*wanted, expected); !unpacked.ok) {
        result.differences.push_back("The expected user block can't be read: " +
                                     unpacked.error.English());
        return result;
    }
    const DatabaseDiff diff = DiffDatabases(*wanted, *held);
    for (const FieldChange& change : diff.header) {
        result.differences.push_back(HeaderDiffLine(change));
    }
    for (const RecordDiff& record : diff.records) {
        result.differences.push_back(RecordDiffLine(record));
    }
    if (!result.differences.empty()) {
        return result;
    }
    // The same records: the difference lies in bytes that hold none (free slots, the tail).
    if (expected.size() != found.size()) {
        result.differences.push_back(Format("The box's user block is %zu bytes long, not %zu.",
                                            found.size(), expected.size()));
        return result;
    }
    const auto [wantedByte, foundByte] = std::ranges::mismatch(expected, found);
    const std::size_t offset = static_cast<std::size_t>(wantedByte - expected.begin());
    result.differences.push_back(Format("Byte 0x%zx outside the records is 0x%02x, not 0x%02x.",
                                        offset, *foundByte, *wantedByte));
    return result;
}

std::string DifferenceLines(const BlockComparison& comparison, std::size_t limit) {
    std::string text;
    const std::size_t shown = std::min(limit, comparison.differences.size());
    for (std::size_t i = 0; i < shown; ++i) {
        text += "\n  " + Utf8ToLatin1(comparison.differences[i]);
    }
    if (comparison.differences.size() > shown) {
        text += Format("\n  ... and %zu more", comparison.differences.size() - shown);
    }
    return text;
}

}  // namespace zev
