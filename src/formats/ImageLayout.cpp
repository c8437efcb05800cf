#include "formats/ImageLayout.h"

#include <algorithm>
#include <string>

#include "core/TextFormat.h"
#include "formats/TransferBlocks.h"

namespace zev::image {

std::string CheckCapacitiesAndCounts(const DatabaseHeader& h, std::string_view blockName) {
    const std::string block(blockName);
    const char* name = block.c_str();
    // SatCapacity is 8 bits wide, so it never exceeds the 256-entry satellite table.
    if (h.TpCapacity > kMaxTransponders) {
        return Format("The %s's transponder capacity of %u is larger than the limit of %zu.", name,
                      unsigned{h.TpCapacity}, kMaxTransponders);
    }
    if (h.ChannelCapacity > kMaxChannelSlots) {
        return Format("The %s's channel capacity of %u is larger than the limit of %zu.", name,
                      unsigned{h.ChannelCapacity}, kMaxChannelSlots);
    }
    if (h.SatCount > h.SatCapacity) {
        return Format("The %s holds %u satellites, more than its capacity of %u.", name,
                      unsigned{h.SatCount}, unsigned{h.SatCapacity});
    }
    if (h.TpCount > h.TpCapacity) {
        return Format("The %s holds %u transponders, more than its capacity of %u.", name,
                      unsigned{h.TpCount}, unsigned{h.TpCapacity});
    }
    const std::size_t channels = std::size_t{h.TvCount} + h.RadioCount;
    if (channels > h.ChannelCapacity) {
        return Format(
            "The %s holds %u TV and %u radio channels, more than its channel "
            "capacity of %u.",
            name, unsigned{h.TvCount}, unsigned{h.RadioCount}, unsigned{h.ChannelCapacity});
    }
    return {};
}

std::string CheckBlockLayout(const DatabaseHeader& h, std::size_t blockSize,
                             std::string_view blockName) {
    if (std::string problem = CheckCapacitiesAndCounts(h, blockName); !problem.empty()) {
        return problem;
    }
    const std::string block(blockName);
    const char* name = block.c_str();
    const std::size_t channels = std::size_t{h.TvCount} + h.RadioCount;
    const BlockLayout layout(h, blockSize);
    if (layout.channelArea + kTrailerBytes > blockSize) {
        return Format(
            "The %s of %zu bytes is too small for its header, satellite and "
            "transponder areas (%zu bytes).",
            name, blockSize, layout.channelArea + kTrailerBytes);
    }
    const std::size_t room = (blockSize - kTrailerBytes - layout.channelArea) / kChannelBytes;
    if (channels > room) {
        return Format(
            "The %s has room for %zu channels, too few for its %u TV and %u radio "
            "channels.",
            name, room, unsigned{h.TvCount}, unsigned{h.RadioCount});
    }
    return {};
}

std::string CheckFlashBlocks(std::size_t blockSize, std::string_view blockName) {
    if (blockSize != 0 && blockSize % kBlockSize == 0) return {};
    const std::string block(blockName);
    return Format(
        "The %s of %zu bytes is not whole flash blocks of %u bytes; the receiver "
        "takes no other.",
        block.c_str(), blockSize, unsigned{kBlockSize});
}

std::size_t DefaultChannelLimit(const DatabaseHeader& h) {
    const BlockLayout layout(h, h.DefaultBlockSize);
    const std::size_t used = layout.channelArea + kTrailerBytes;
    const std::size_t room =
        h.DefaultBlockSize > used ? (h.DefaultBlockSize - used) / kChannelBytes : 0;
    return std::min<std::size_t>(h.DefaultChannelCapacity, room);
}

bool DefaultBlockHolds(const DatabaseHeader& h) {
    return h.SatCount <= h.DefaultSatCapacity && h.TpCount <= h.DefaultTpCapacity &&
           std::size_t{h.TvCount} + h.RadioCount <= DefaultChannelLimit(h);
}

}  // namespace zev::image
