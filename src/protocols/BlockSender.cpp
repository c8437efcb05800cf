#include "protocols/BlockSender.h"

#include <algorithm>
#include <array>

#include "core/TextFormat.h"
#include "protocols/LineConventions.h"

namespace zev {

void BlockSender::Start(uint32_t totalLength) {
    total_ = totalLength;
    blockCount_ = BlockCountFor(totalLength);
    position_ = 0;
    blocksSent_ = 0;
}

BlockOutcome BlockSender::SendNextBlock(RunHost& host, ByteSource& source, WordChecksum& checksum,
                                        bool restart) {
    if (restart) {
        position_ = 0;
        blocksSent_ = 0;
        checksum.ResetPending();
    }
    const uint32_t count = std::min(kBlockSize, total_ - position_);
    std::array<uint8_t, kBlockSize> block;
    if (!source.ReadAt(position_, block.data(), count)) {
        return BlockOutcome::ReadFailed;
    }
    for (uint32_t i = 0; i < count; ++i) {
        checksum.Add(position_ + i, block[i]);
    }
    host.SendBytes(block.data(), count);
    position_ += count;
    if (position_ == total_ && total_ % 2 == 1) {
        checksum.AddOddTail();
    }
    ++blocksSent_;
    host.TransferProgress(blocksSent_, blockCount_);
    if (position_ >= total_) {
        host.AppendText(Format("\n  END Sent Data: [%d/%d]\tsize=0x%04x", blocksSent_,
                               static_cast<int>(blockCount_),
                               static_cast<unsigned>(total_ % kBlockSize)));
        position_ = 0;
        blocksSent_ = 0;
        checksum.ResetPending();
        return BlockOutcome::LastBlockSent;
    }
    host.AppendText(Format("\n  Sent Data: [%d/%d]\tsize=0x%04x", blocksSent_,
                           static_cast<int>(blockCount_), static_cast<unsigned>(kBlockSize)));
    return BlockOutcome::MoreBlocks;
}

}  // namespace zev
