// The byte handler of Load Setting from Box: the box sends its user block in 8192-byte
// blocks, each asked for with SYNC, into the input image buffer; a checked result replaces
// the channel database.
#include "protocols/LineConventions.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"
#include "protocols/TextFormat.h"

namespace zev {

void ReceiverSession::HandleLoadByte(uint8_t value) {
    Impl& s = *impl_;
    FrameBuffer& frame = s.frame;
    switch (step_) {
        case 0:
        case 1:
        case 2:
            HandleSettingsHandshake(value);
            return;
        case 3:
            frame.Collect(value);
            if (frame.Count() == 1 && frame[0] != kStx) {
                host_.AppendText("\nCommand format STX1");
                EndRun(false);
            } else if (frame.Count() == 18) {
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
            frame.Collect(value);
            if (frame.Count() < 4) {
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
            frame.Collect(value);
            if (frame.Count() < 3) {
                return;
            }
            if (frame[0] == kStx && frame[1] == 0x05 && frame[2] == kEtx) {
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
    if (frame[17] != kEtx) {
        host_.AppendText("\nCommand format ETX1!");
        EndRun(false);
        return;
    }
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
