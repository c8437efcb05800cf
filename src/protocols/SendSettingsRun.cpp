// Send Setting to Box: the choice of target (user area, or default and user areas), the
// packing of the database, and the byte handler that writes the image block by block after
// each SYNC of the box.
#include <algorithm>

#include "core/TextFormat.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"

namespace zev {
namespace {

constexpr const char* kSendCaption = "Send Channels Data";
// Header (72 bytes) and the 4 unused bytes at the end of a block.
constexpr uint64_t kBlockOverhead = 72 + 4;
constexpr uint64_t kChannelRecordSize = 28;

// Channels the default-channel block has room for: it is laid out with the user block's
// satellite and transponder capacities, which may leave less room than its channel limit.
uint64_t DefaultChannelRoom(const DatabaseHeader& h) {
    const uint64_t used = kBlockOverhead + 18ull * h.SatCapacity + 8ull * h.TpCapacity;
    return h.DefaultBlockSize > used ? (h.DefaultBlockSize - used) / kChannelRecordSize : 0;
}

bool DefaultAreaHolds(const DatabaseHeader& h) {
    const uint64_t channels = uint64_t{h.TvCount} + h.RadioCount;
    const uint64_t channelLimit =
        std::min<uint64_t>(h.DefaultChannelCapacity, DefaultChannelRoom(h));
    return h.SatCount <= h.DefaultSatCapacity && h.TpCount <= h.DefaultTpCapacity &&
           channels <= channelLimit;
}

}  // namespace

bool ReceiverSession::PrepareSendImage(MsgAnswer modifyDefault) {
    DatabaseHeader& h = db_.header;
    bool both = false;
    if (modifyDefault == MsgAnswer::Yes) {
        if (DefaultAreaHolds(h)) {
            both = true;
        } else if (host_.Message("Too much channels, cancel modify default channels ?",
                                 kSendCaption, MsgIcon::Question, MsgButtons::YesNo,
                                 MsgAnswer::Yes) != MsgAnswer::Yes) {
            host_.Message("Too much default chnnels, only cancel this SEND!", "zev",
                          MsgIcon::Exclamation);
            return false;
        }
    }
    const DatabaseHeader before = h;
    Impl& s = *impl_;
    uint64_t length = 0;
    if (both) {
        h.DefaultSatCount = h.SatCount;
        h.DefaultTpCount = h.TpCount;
        h.DefaultTvCount = h.TvCount;
        h.DefaultRadioCount = h.RadioCount;
        s.sendKind = ImageKind::All;
        s.sendAddress = h.DefaultBlockAddress;
        length = uint64_t{h.DefaultBlockSize} + h.UserBlockSize;
    } else {
        s.sendKind = ImageKind::User;
        s.sendAddress = h.UserBlockAddress;
        length = h.UserBlockSize;
    }
    host_.ShowTerminal();
    // The sizes come from the flash settings or from an opened image: the box takes whole
    // blocks, and the image must fit the output buffer.
    if (length == 0 || length % kBlockSize != 0 || length > images_.output.size()) {
        h = before;
        Refuse(
            Format("The flash area of %llu bytes can't be sent: it must be whole blocks of "
                   "8192 bytes and at most %zu bytes.",
                   static_cast<unsigned long long>(length), images_.output.size()));
        return false;
    }
    const ImageResult packed =
        PackImage(db_, s.sendKind, std::span<uint8_t>(images_.output).first(length));
    if (!packed.ok) {
        h = before;
        Refuse(packed.error);
        return false;
    }
    s.sendLength = static_cast<uint32_t>(length);
    return true;
}

void ReceiverSession::HandleSendByte(uint8_t value) {
    if (HandleSettingsHandshake(value)) {
        return;
    }
    Impl& s = *impl_;
    FrameBuffer& frame = s.frame;
    switch (step_) {
        case 3:
            if (value != 0xCD) {
                return;
            }
            host_.SendByte(kStx);
            SendLe32(host_, s.sendAddress);
            SendLe32(host_, s.sendLength);
            host_.SendByte(static_cast<uint8_t>(s.sendKind));
            host_.SendByte(kEtx);
            frame.Clear();
            s.checksum.Reset();
            s.readPosition = 0;
            s.sendBlocksSent = 0;
            host_.TransferProgress(0, s.sendLength / kBlockSize);
            step_ = 4;
            return;
        case 4:
            if (!CollectWhole(frame, value, 3)) {
                return;
            }
            if (!IsFrame(frame, 0x16)) {
                host_.AppendText("\nError Connect!");
                EndRun(false);
                return;
            }
            SendSettingsBlock();
            return;
        case 5:
            if (value == 0x1B) {
                step_ = 6;
                frame.Clear();
            } else {
                host_.AppendText(value == 0x07 ? "\nCHECKSUM Error!" : "\nTransfer Error!");
                EndRun(false);
            }
            return;
        case 6:
            if (!CollectWhole(frame, value, 3)) {
                return;
            }
            if (IsFrame(frame, 0x05)) {
                host_.SendByte(0x1B);
                step_ = 7;
            } else {
                host_.AppendText("\nTransfer Error!");
                EndRun(false);
            }
            return;
        case 7:
            if (value == 0x08) {
                host_.AppendText("\nwrite flash error!");
                EndRun(false);
            } else if (value == 0xAA) {
                const ProtocolMode finished = LeaveRun();
                host_.AppendText("\nSend Param Data Success!");
                StopUpdate();
                ReportRunEnd(finished, true);
            }
            return;
        default:
            return;
    }
}

void ReceiverSession::SendSettingsBlock() {
    Impl& s = *impl_;
    const uint32_t end = std::min(s.readPosition + kBlockSize, s.sendLength);
    const uint8_t* block = images_.output.data() + s.readPosition;
    for (uint32_t position = s.readPosition; position < end; ++position) {
        s.checksum.Add(position, images_.output[position]);
    }
    host_.SendBytes(block, end - s.readPosition);
    s.readPosition = end;
    s.frame.Clear();
    host_.AppendText("...");
    ++s.sendBlocksSent;
    const uint32_t blocks = s.sendLength / kBlockSize;
    host_.TransferProgress(s.sendBlocksSent, blocks);
    if (s.sendBlocksSent >= blocks) {
        step_ = 5;
        SendLe32(host_, s.checksum.Sum());
    }
}

}  // namespace zev
