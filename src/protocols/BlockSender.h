// Sends a transfer's data in 8192-byte blocks, each handed to the link in one piece, summing the
// checksum and printing a progress line per block. One implementation serves the parameter
// image, the software file and the OTA file.
#pragma once

#include <cstdint>

#include "core/ByteSource.h"
#include "protocols/RunHost.h"
#include "protocols/WordChecksum.h"

namespace zev {

enum class BlockOutcome { MoreBlocks, LastBlockSent, ReadFailed };

class BlockSender {
  public:
    // A new transfer of `totalLength` bytes (1 to 255 blocks; callers check that).
    void Start(uint32_t totalLength);

    // Sends the next block; `restart` begins at the data's first byte. A block the source
    // cannot supply in full is not sent at all.
    BlockOutcome SendNextBlock(RunHost& host, ByteSource& source, WordChecksum& checksum,
                               bool restart);

  private:
    uint32_t total_ = 0;
    uint32_t blockCount_ = 0;
    uint32_t position_ = 0;
    uint8_t blocksSent_ = 0;
};

}  // namespace zev
