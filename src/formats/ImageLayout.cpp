#include "formats/ImageLayout.h"

#include <algorithm>
#include <string>

#include "core/TextFormat.h"
#include "formats/TransferBlocks.h"

namespace zev::image {

Translatable UserBlockName() { return ZEV_TR("ImageLayout", "user block"); }
Translatable DefaultBlockName() { return ZEV_TR("ImageLayout", "default-channel block"); }
Translatable WholeImageName() { return ZEV_TR("ImageLayout", "image"); }

Translatable CheckCapacitiesAndCounts(const DatabaseHeader& h, const Translatable& blockName) {
    // SatCapacity is 8 bits wide, so it never exceeds the 256-entry satellite table.
    if (h.TpCapacity > kMaxTransponders) {
        return ZEV_TR("ImageLayout",
                      "The %1's transponder capacity of %2 is larger than the limit of %3.")
            .Arg(blockName)
            .Arg(h.TpCapacity)
            .Arg(kMaxTransponders);
    }
    if (h.ChannelCapacity > kMaxChannelSlots) {
        return ZEV_TR("ImageLayout",
                      "The %1's channel capacity of %2 is larger than the limit of %3.")
            .Arg(blockName)
            .Arg(h.ChannelCapacity)
            .Arg(kMaxChannelSlots);
    }
    if (h.SatCount > h.SatCapacity) {
        return ZEV_TR("ImageLayout", "The %1 holds %2 satellites, more than its capacity of %3.")
            .Arg(blockName)
            .Arg(h.SatCount)
            .Arg(h.SatCapacity);
    }
    if (h.TpCount > h.TpCapacity) {
        return ZEV_TR("ImageLayout", "The %1 holds %2 transponders, more than its capacity of %3.")
            .Arg(blockName)
            .Arg(h.TpCount)
            .Arg(h.TpCapacity);
    }
    const std::size_t channels = std::size_t{h.TvCount} + h.RadioCount;
    if (channels > h.ChannelCapacity) {
        return ZEV_TR("ImageLayout",
                      "The %1 holds %2 TV and %3 radio channels, more than its channel "
                      "capacity of %4.")
            .Arg(blockName)
            .Arg(h.TvCount)
            .Arg(h.RadioCount)
            .Arg(h.ChannelCapacity);
    }
    return {};
}

Translatable CheckBlockLayout(const DatabaseHeader& h, std::size_t blockSize,
                              const Translatable& blockName) {
    if (Translatable problem = CheckCapacitiesAndCounts(h, blockName); !problem.Empty()) {
        return problem;
    }
    const std::size_t channels = std::size_t{h.TvCount} + h.RadioCount;
    const BlockLayout layout(h, blockSize);
    if (layout.channelArea + kTrailerBytes > blockSize) {
        return ZEV_TR("ImageLayout",
                      "The %1 of %2 bytes is too small for its header, satellite and "
                      "transponder areas (%3 bytes).")
            .Arg(blockName)
            .Arg(blockSize)
            .Arg(layout.channelArea + kTrailerBytes);
    }
    const std::size_t room = (blockSize - kTrailerBytes - layout.channelArea) / kChannelBytes;
    if (channels > room) {
        return ZEV_TR("ImageLayout",
                      "The %1 has room for %2 channels, too few for its %3 TV and %4 radio "
                      "channels.")
            .Arg(blockName)
            .Arg(room)
            .Arg(h.TvCount)
            .Arg(h.RadioCount);
    }
    return {};
}

Translatable CheckFlashBlocks(std::size_t blockSize, const Translatable& blockName) {
    if (blockSize != 0 && blockSize % kBlockSize == 0) return {};
    return ZEV_TR("ImageLayout",
                  "The %1 of %2 bytes is not whole flash blocks of %3 bytes; the receiver "
                  "takes no other.")
        .Arg(blockName)
        .Arg(blockSize)
        .Arg(kBlockSize);
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
