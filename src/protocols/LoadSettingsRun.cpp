#include "protocols/LoadSettingsRun.h"

#include "core/TextFormat.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"
#include "protocols/SettingsHandshake.h"

namespace zev {
namespace {

constexpr uint8_t kReadRequest = 0xBC;
// STX, length, address, two more values the program does not use, ETX.
constexpr uint8_t kHeaderFrameLength = 18;
constexpr uint8_t kEndMarker = 0x1B;

}  // namespace

LoadSettingsRun::LoadSettingsRun(RunHost& host, RunControl& control, ImageBuffers& images,
                                 LoadDestination destination)
    : LoaderRun(host, control, kLoadHandshake),
      images_(images),
      destination_(std::move(destination)) {}

void LoadSettingsRun::StartOwnPart() { host_.SendByte(kReadRequest); }

void LoadSettingsRun::HandleOwnByte(uint8_t value) {
    switch (step_) {
        case Step::Header: {
            const FrameStep frame =
                CollectReportedFrame(frame_, value, kHeaderFrameLength, host_,
                                     "\nCommand format STX1", "\nCommand format ETX1!");
            if (IsBroken(frame)) {
                Fail(RunReason::BadFrame);
            } else if (frame == FrameStep::Complete) {
                HandleHeader();
            }
            return;
        }
        case Step::Data:
            StoreDataByte(value);
            return;
        case Step::Checksum:
            if (CollectWhole(frame_, value, 4)) {
                CheckChecksum();
            }
            return;
        case Step::EndMarker:
            if (value != kEndMarker) {
                Fail(RunReason::BadFrame);
                return;
            }
            step_ = Step::Result;
            frame_.Clear();
            return;
        case Step::Result:
            if (!CollectWhole(frame_, value, 3)) {
                return;
            }
            if (IsFrame(frame_, kSettingsSuccess)) {
                Finish();
            } else {
                Fail(RunReason::ReceiverError);
            }
            return;
    }
}

void LoadSettingsRun::HandleHeader() {
    length_ = ReadLe32(frame_.Data() + 1);
    address_ = ReadLe32(frame_.Data() + 5);
    host_.AppendText(Format("\nLength: 0x%x Address: 0x%x\n", length_, address_));
    // Received bytes go into the input buffer: a length it cannot hold is refused.
    if (length_ == 0 || length_ > images_.input.size()) {
        host_.AppendText(Format("\nLength 0x%x doesn't fit the input buffer (0x%zx bytes), exit!",
                                length_, images_.input.size()));
        Fail(RunReason::LengthRefused);
        return;
    }
    SendSync(host_);
    frame_.Clear();
    writePosition_ = 0;
    blockByteCount_ = 0;
    checksum_.Reset();
    host_.TransferProgress(0, BlockCountFor(length_));
    step_ = Step::Data;
}

void LoadSettingsRun::StoreDataByte(uint8_t value) {
    // The header check keeps the write position inside the buffer.
    images_.input[writePosition_] = value;
    checksum_.Add(writePosition_, value);
    ++writePosition_;
    ++blockByteCount_;
    const unsigned blocks = BlockCountFor(length_);
    if (blockByteCount_ == kBlockSize && writePosition_ < length_) {
        SendSync(host_);
        blockByteCount_ = 0;
        host_.AppendText("...");
        host_.TransferProgress(writePosition_ / kBlockSize, blocks);
    }
    if (writePosition_ == length_) {
        host_.AppendText("...");
        host_.TransferProgress(blocks, blocks);
        step_ = Step::Checksum;
        frame_.Clear();
    }
}

void LoadSettingsRun::CheckChecksum() {
    if (length_ % 2 == 1) {
        checksum_.AddOddTail();
    }
    if (ReadLe32(frame_.Data()) != checksum_.Sum()) {
        // The box hears of it; the bytes stay in the buffer, the database is not touched.
        host_.SendByte(kChecksumRefused);
        Fail(RunReason::ChecksumRefused);
        return;
    }
    host_.SendByte(kChecksumAccepted);
    step_ = Step::EndMarker;
    frame_.Clear();
}

void LoadSettingsRun::Finish() {
    host_.AppendText("\nGet Data Success!");
    control_.EndRunWithStopUpdate([this] {
        // Only a closed link lets the received block go where it is wanted.
        if (host_.LinkOpen()) {
            return RunReason::LinkStillOpen;
        }
        return destination_.take(std::span<const uint8_t>(images_.input).first(length_));
    });
}

}  // namespace zev
