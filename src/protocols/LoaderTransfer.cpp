// The data steps shared by Update Parameters, Update Software and OTA Software Update: the
// blocks, the SYNC frames between them, the end marker and the result.
#include "protocols/LoaderTransfer.h"

#include <algorithm>

#include "protocols/FileByteSource.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"

namespace zev {
namespace {

constexpr uint8_t kSyncFrameLength = 3;

}  // namespace

bool ReceiverSession::SendsImage() const { return mode_ == ProtocolMode::UpdateParameters; }

void ReceiverSession::SendNextDataBlock(const LoaderTransfer& transfer, bool restart) {
    const bool fromImage = SendsImage();
    BlockSender& sender = impl_->sender;
    const std::span<const uint8_t> input(images_.input);
    MemoryByteSource image(input.first(std::min<std::size_t>(sender.TotalLength(), input.size())));
    FileByteSource file(heldFile_);
    ByteSource& source = fromImage ? static_cast<ByteSource&>(image) : file;
    switch (sender.SendNextBlock(host_, source, impl_->checksum, restart)) {
        case BlockOutcome::MoreBlocks:
            step_ = transfer.syncStep;
            return;
        case BlockOutcome::LastBlockSent:
            if (!fromImage) {
                CloseHeldFile();
            }
            SendLe32(host_, impl_->checksum.Sum());
            step_ = transfer.endStep;
            impl_->frame.Clear();
            return;
        case BlockOutcome::ReadFailed:
            // Nothing of this block went out; the box waits until it is reset.
            host_.AppendText("\n  !Error: The data file can't be read, transfer stopped!");
            CloseHeldFile();
            EndRun(false);
            return;
    }
}

void ReceiverSession::HandleTransferByte(const LoaderTransfer& transfer, uint8_t value) {
    FrameBuffer& frame = impl_->frame;
    if (step_ == transfer.syncStep) {
        HandleSyncByte(transfer, value);
    } else if (step_ == transfer.endStep) {
        if (value == transfer.endMarker) {
            step_ = transfer.resultStep;
            frame.Clear();
        }
    } else if (step_ == transfer.resultStep) {
        const ResultOutcome outcome = CollectResult(transfer.results, frame, value, host_);
        if (outcome != ResultOutcome::Waiting) {
            EndRun(outcome == ResultOutcome::Succeeded);
        }
    }
}

void ReceiverSession::HandleSyncByte(const LoaderTransfer& transfer, uint8_t value) {
    if (!CollectCheckedFrame(value, kSyncFrameLength, "\n  Command format Error2!",
                             "\n  Command format Error3!")) {
        return;
    }
    FrameBuffer& frame = impl_->frame;
    const uint8_t command = frame[1];
    frame.Clear();
    if (command == transfer.sync) {
        SendNextDataBlock(transfer, false);
        return;
    }
    // No more blocks go out; the loader reports its result after the end marker.
    host_.AppendText("\n  !Error: No SYNC Command!");
    if (!SendsImage()) {
        CloseHeldFile();
    }
    step_ = transfer.endStep;
}

}  // namespace zev
