// The byte handler of Load Setting from Box: the box sends its user block in 8192-byte
// blocks, each asked for with SYNC, into the input image buffer; a checked result replaces
// the channel database.
#include "core/TextFormat.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"

namespace zev {
namespace {

// STX, length, address, two spare values, ETX.
constexpr uint8_t kHeaderFrameLength = 18;

}  // namespace

void ReceiverSession::HandleLoadByte(uint8_t value) {
    if (HandleSettingsHandshake(value)) {
        return;
    }
    Impl& s = *impl_;
    FrameBuffer& frame = s.frame;
    switch (step_) {
        case 3:
            if (CollectCheckedFrame(value, kHeaderFrameLength, "\nCommand format STX1",
                                    "\nCommand format ETX1!")) {
                HandleLoadHeader();
            }
            return;
        case 4: {
            // The header check keeps the write position inside the buffer.
            images_.input[s.writePosition] = value;
            s.checksum.Add(s.writePosition, value);
            ++s.writePosition;
            ++s.blockByteCount;
            const unsigned blocks = BlockCountFor(s.loadLength);
            if (s.blockByteCount == kBlockSize && s.writePosition < s.loadLength) {
                SendSync(host_);
                s.blockByteCount = 0;
                host_.AppendText("...");
                host_.TransferProgress(s.writePosition / kBlockSize, blocks);
            }
            if (s.writePosition == s.loadLength) {
                host_.AppendText("...");
                host_.TransferProgress(blocks, blocks);
                step_ = 5;
                s.writePosition = 0;
                frame.Clear();
            }
            return;
        }
        case 5:
            if (!CollectWhole(frame, value, 4)) {
                return;
            }
            if (s.loadLength % 2 == 1) {
                s.checksum.AddOddTail();
            }
            if (ReadLe32(frame.Data()) == s.checksum.Sum()) {
                host_.SendByte(0x1B);
                step_ = 6;
                frame.Clear();
            } else {
                host_.SendByte(0x07);
                EndRun(false);
            }
            return;
        case 6:
            if (value == 0x1B) {
                step_ = 7;
                frame.Clear();
            } else {
                EndRun(false);
            }
            return;
        case 7:
            if (!CollectWhole(frame, value, 3)) {
                return;
            }
            if (IsFrame(frame, 0x05)) {
                FinishLoad();
            } else {
                EndRun(false);
            }
            return;
        default:
            return;
    }
}

void ReceiverSession::HandleLoadHeader() {
    Impl& s = *impl_;
    const FrameBuffer& frame = s.frame;
    s.loadLength = ReadLe32(frame.Data() + 1);
    s.loadAddress = ReadLe32(frame.Data() + 5);
    s.loadSpareA = ReadLe32(frame.Data() + 9);
    s.loadSpareB = ReadLe32(frame.Data() + 13);
    host_.AppendText(Format("\nLength: 0x%x Address: 0x%x\n", s.loadLength, s.loadAddress));
    // Received bytes go into the input buffer: a length it cannot hold is refused.
    if (s.loadLength == 0 || s.loadLength > images_.input.size()) {
        host_.AppendText(Format("\nLength 0x%x doesn't fit the input buffer (0x%zx bytes), exit!",
                                s.loadLength, images_.input.size()));
        EndRun(false);
        return;
    }
    SendSync(host_);
    s.frame.Clear();
    s.writePosition = 0;
    s.blockByteCount = 0;
    s.checksum.ResetPending();
    host_.TransferProgress(0, BlockCountFor(s.loadLength));
    step_ = 4;
}

void ReceiverSession::FinishLoad() {
    const ProtocolMode finished = LeaveRun();
    impl_->checksum.Reset();
    host_.AppendText("\nGet Data Success!");
    StopUpdate();
    bool converted = false;
    if (!host_.LinkOpen()) {
        const ImageResult result =
            UnpackImage(db_, std::span<const uint8_t>(images_.input).first(impl_->loadLength));
        if (result.ok) {
            host_.ShowLoadedTvList();
            converted = true;
        } else {
            host_.AppendText("\n" + result.error);
        }
    }
    ReportRunEnd(finished, converted);
}

}  // namespace zev
