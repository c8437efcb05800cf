// Where the areas and records of one image block lie, and whether a header's capacities and
// counts fit its block at all. Both conversions check a block with CheckBlockLayout before
// they touch a byte, so the record offsets below always lie inside the block.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/Translatable.h"
#include "database/ChannelDatabase.h"
#include "formats/ImageRecords.h"

namespace zev::image {

inline constexpr std::size_t kTrailerBytes = 4;  // the block's last 4 bytes hold no record

struct BlockLayout {
    std::size_t blockSize = 0;
    std::size_t transponderArea = 0;
    std::size_t channelArea = 0;

    BlockLayout(const DatabaseHeader& header, std::size_t size)
        : blockSize(size),
          transponderArea(kHeaderBytes + kSatelliteBytes * header.SatCapacity),
          channelArea(transponderArea + kTransponderBytes * header.TpCapacity) {}

    std::size_t Satellite(std::size_t i) const { return kHeaderBytes + kSatelliteBytes * i; }
    std::size_t Transponder(std::size_t i) const { return transponderArea + kTransponderBytes * i; }
    std::size_t Tv(std::size_t i) const { return channelArea + kChannelBytes * i; }
    std::size_t Radio(std::size_t i) const {
        return blockSize - kTrailerBytes - kChannelBytes * (i + 1);
    }
};

// The blocks as the sentences below name them: "user block", "default-channel block", and
// "image" for a whole image of either.
Translatable UserBlockName();
Translatable DefaultBlockName();
Translatable WholeImageName();

// Empty when the capacities stay within the program's tables and the counts within the
// capacities, so that every record lies inside the tables; otherwise a sentence naming the
// problem. `blockName` says what the sentence is about ("user block", "image").
Translatable CheckCapacitiesAndCounts(const DatabaseHeader& header, const Translatable& blockName);

// Empty when a block of `blockSize` bytes laid out by `header` holds its header, both record
// areas and every TV and radio record within the counts without overlap, and the capacities
// and counts stay within the program's tables. Otherwise a sentence naming the problem;
// `blockName` ("user block", "default-channel block") says which block it is about.
Translatable CheckBlockLayout(const DatabaseHeader& header, std::size_t blockSize,
                              const Translatable& blockName);

// Empty when the receiver's flash takes a block of `blockSize` bytes: whole 8192-byte flash
// blocks, at least one; otherwise a sentence naming `blockName`. Send refuses such a block and
// the database check calls it an error.
Translatable CheckFlashBlocks(std::size_t blockSize, const Translatable& blockName);

// How many channels may go into the default-channel block: its limit DefaultChannelCapacity,
// or fewer when the block, laid out with the user block's satellite and transponder
// capacities, has room for fewer. Send writes the default channels only up to it, and the
// database check names it.
std::size_t DefaultChannelLimit(const DatabaseHeader& header);

// Whether the database's satellites, transponders and channels all fit the default-channel
// block's limits.
bool DefaultBlockHolds(const DatabaseHeader& header);

}  // namespace zev::image
