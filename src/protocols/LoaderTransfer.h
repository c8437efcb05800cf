// The data part of a loader update, after its handshake: the blocks, each after the first
// released by a 3-byte SYNC frame, the checksum after the last one, then the loader's end
// marker and its result. The boot loader and the OTA loader differ only in their
// TransferWording.
#pragma once

#include <cstdint>

#include "core/ByteSource.h"
#include "protocols/BlockSender.h"
#include "protocols/FrameBuffer.h"
#include "protocols/LoaderResult.h"
#include "protocols/RunHost.h"
#include "protocols/WordChecksum.h"

namespace zev {

struct TransferWording {
    uint8_t sync;       // command of the frame that asks for the next block
    uint8_t endMarker;  // byte that announces the result
    const LoaderResults& results;
};

class LoaderTransfer {
  public:
    // In this order; the run counts them after its own steps.
    enum class Step : uint8_t { Blocks, EndMarker, Result };
    enum class Progress { Waiting, Succeeded, Failed };

    LoaderTransfer(RunHost& host, const TransferWording& wording)
        : host_(host), wording_(wording) {}

    // Sends the first block of the `length` bytes of `source`, which stays the caller's. The
    // source is released as soon as no more of it will be read.
    Progress Start(ByteSource& source, uint32_t length);
    // No data goes out: the run has printed why, and the loader's result follows its end
    // marker. The run fails whatever the result.
    void SkipToResult(RunReason reason);
    Progress Feed(uint8_t value);

    Step CurrentStep() const { return step_; }
    // The run's number for the current step, whose first (Blocks) is `blocksStep`.
    uint8_t StepNumberFrom(uint8_t blocksStep) const {
        return static_cast<uint8_t>(blocksStep + static_cast<uint8_t>(step_));
    }
    // At least one block of data has gone to the loader.
    bool FirstBlockSent() const { return firstBlockSent_; }
    // Why the transfer failed.
    RunReason Reason() const { return reason_; }

  private:
    Progress SendNextBlock(bool restart);
    Progress FeedSync(uint8_t value);
    Progress FeedResult(uint8_t value);
    Progress Fail(RunReason reason);

    RunHost& host_;
    const TransferWording& wording_;
    ByteSource* source_ = nullptr;
    BlockSender sender_;
    WordChecksum checksum_;
    FrameBuffer frame_;
    Step step_ = Step::Blocks;
    RunReason reason_ = RunReason::None;  // set by an error line before the result
    bool firstBlockSent_ = false;
};

}  // namespace zev
