#include "protocols/LoaderTransfer.h"

#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"

namespace zev {
namespace {

constexpr uint8_t kSyncFrameLength = 3;

}  // namespace

LoaderTransfer::Progress LoaderTransfer::Start(ByteSource& source, uint32_t length) {
    source_ = &source;
    sender_.Start(length);
    return SendNextBlock(true);
}

void LoaderTransfer::SkipToResult(RunReason reason) {
    reason_ = reason;
    step_ = Step::EndMarker;
    frame_.Clear();
}

LoaderTransfer::Progress LoaderTransfer::Feed(uint8_t value) {
    switch (step_) {
        case Step::Blocks:
            return FeedSync(value);
        case Step::EndMarker:
            // Other bytes before the end marker are ignored.
            if (value == wording_.endMarker) {
                step_ = Step::Result;
                frame_.Clear();
            }
            return Progress::Waiting;
        case Step::Result:
            return FeedResult(value);
    }
    return Progress::Waiting;
}

LoaderTransfer::Progress LoaderTransfer::Fail(RunReason reason) {
    reason_ = reason;
    return Progress::Failed;
}

LoaderTransfer::Progress LoaderTransfer::SendNextBlock(bool restart) {
    switch (sender_.SendNextBlock(host_, *source_, checksum_, restart)) {
        case BlockOutcome::MoreBlocks:
            firstBlockSent_ = true;
            step_ = Step::Blocks;
            return Progress::Waiting;
        case BlockOutcome::LastBlockSent:
            firstBlockSent_ = true;
            source_->Release();
            SendLe32(host_, checksum_.Sum());
            step_ = Step::EndMarker;
            frame_.Clear();
            return Progress::Waiting;
        case BlockOutcome::ReadFailed:
            // Nothing of this block went out; the box waits until it is reset.
            host_.AppendText("\n  !Error: The data file can't be read, transfer stopped!");
            source_->Release();
            return Fail(RunReason::DataUnreadable);
    }
    return Progress::Waiting;
}

LoaderTransfer::Progress LoaderTransfer::FeedSync(uint8_t value) {
    const FrameStep frame =
        CollectReportedFrame(frame_, value, kSyncFrameLength, host_, "\n  Command format Error2!",
                             "\n  Command format Error3!");
    if (frame == FrameStep::Incomplete) {
        return Progress::Waiting;
    }
    if (IsBroken(frame)) {
        return Fail(RunReason::BadFrame);
    }
    const uint8_t command = frame_[1];
    frame_.Clear();
    if (command == wording_.sync) {
        return SendNextBlock(false);
    }
    // No more blocks go out; the loader reports its result after the end marker.
    host_.AppendText("\n  !Error: No SYNC Command!");
    source_->Release();
    SkipToResult(RunReason::NoSync);
    return Progress::Waiting;
}

LoaderTransfer::Progress LoaderTransfer::FeedResult(uint8_t value) {
    switch (CollectResult(wording_.results, frame_, value, host_)) {
        case ResultOutcome::Waiting:
            return Progress::Waiting;
        case ResultOutcome::Succeeded:
            // "<<Update Over!>>" after an error line of the run's own is no success.
            return reason_ == RunReason::None ? Progress::Succeeded : Progress::Failed;
        case ResultOutcome::Failed:
            return Fail(RunReason::ReceiverError);
    }
    return Progress::Waiting;
}

}  // namespace zev
