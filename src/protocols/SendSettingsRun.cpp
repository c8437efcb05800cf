#include "protocols/SendSettingsRun.h"

#include <algorithm>

#include "core/TextFormat.h"
#include "formats/ImageLayout.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"
#include "protocols/SettingsHandshake.h"

namespace zev {
namespace {

constexpr uint8_t kWriteRequest = 0xCD;
constexpr uint8_t kGo = 0xCD;
constexpr uint8_t kSync = 0x16;
constexpr uint8_t kAcknowledge = 0x1B;
constexpr uint8_t kWritten = 0xAA;
constexpr uint8_t kWriteError = 0x08;

// A refusal after the questions: message box and terminal line.
void Refuse(RunHost& host, const Translatable& sentence) {
    host.Message(sentence, ZEV_TR("RunHost", "Warning"), MsgIcon::Exclamation);
    host.AppendText("\n" + sentence.English());
}

}  // namespace

std::optional<SendTarget> PrepareSendTarget(RunHost& host, ChannelDatabase& db,
                                            ImageBuffers& images, RunReason& refusal) {
    const MsgAnswer modifyDefault = host.Ask(RunQuestion::ModifyDefaultChannels);
    if (modifyDefault != MsgAnswer::Yes && modifyDefault != MsgAnswer::No) {
        refusal = RunReason::Cancelled;
        return std::nullopt;
    }
    DatabaseHeader& h = db.header;
    bool both = false;
    if (modifyDefault == MsgAnswer::Yes) {
        // The default-channel block is laid out with the user block's capacities: it may
        // have room for fewer channels than its own limit, and a smaller block would overlap.
        if (image::DefaultBlockHolds(h)) {
            both = true;
        } else if (host.Ask(RunQuestion::TooManyChannels) != MsgAnswer::Yes) {
            host.Message(ZEV_TR("RunHost", "Too much default chnnels, only cancel this SEND!"),
                         "zev", MsgIcon::Exclamation);
            refusal = RunReason::DefaultAreaTooSmall;
            return std::nullopt;
        }
    }
    // The box takes whole flash blocks, and the sizes come from the flash settings or from an
    // opened image: one that cannot be sent is refused before anything is asked or changed.
    Translatable problem = image::CheckFlashBlocks(h.UserBlockSize, image::UserBlockName());
    if (problem.Empty() && both) {
        problem = image::CheckFlashBlocks(h.DefaultBlockSize, image::DefaultBlockName());
    }
    if (!problem.Empty()) {
        host.ShowTerminal();
        Refuse(host, problem);
        refusal = RunReason::ImageRefused;
        return std::nullopt;
    }
    if (!host.ConfirmImage(db, both ? ImageKind::All : ImageKind::User)) {
        refusal = RunReason::Cancelled;
        return std::nullopt;
    }
    const DatabaseHeader before = h;
    SendTarget target;
    uint64_t length = 0;
    if (both) {
        h.DefaultSatCount = h.SatCount;
        h.DefaultTpCount = h.TpCount;
        h.DefaultTvCount = h.TvCount;
        h.DefaultRadioCount = h.RadioCount;
        target.kind = ImageKind::All;
        target.address = h.DefaultBlockAddress;
        length = uint64_t{h.DefaultBlockSize} + h.UserBlockSize;
    } else {
        target.kind = ImageKind::User;
        target.address = h.UserBlockAddress;
        length = h.UserBlockSize;
    }
    host.ShowTerminal();
    // Also refused: an image larger than the output buffer.
    const ImageResult packed = PackImage(db, target.kind, images.output);
    if (!packed.ok) {
        h = before;
        Refuse(host, packed.error);
        refusal = RunReason::ImageRefused;
        return std::nullopt;
    }
    target.length = static_cast<uint32_t>(length);
    target.userOffset = both ? h.DefaultBlockSize : 0;
    target.userLength = h.UserBlockSize;
    return target;
}

SendSettingsRun::SendSettingsRun(RunHost& host, RunControl& control, const ImageBuffers& images,
                                 const SendTarget& target)
    : LoaderRun(host, control, kSendHandshake), images_(images), target_(target) {}

void SendSettingsRun::StartOwnPart() { host_.SendByte(kWriteRequest); }

void SendSettingsRun::HandleOwnByte(uint8_t value) {
    switch (step_) {
        case Step::Go:
            if (value == kGo) {
                SendHeader();
            }
            return;
        case Step::Blocks:
            if (!CollectWhole(frame_, value, 3)) {
                return;
            }
            if (!IsFrame(frame_, kSync)) {
                host_.AppendText("\nError Connect!");
                Fail(RunReason::BadFrame);
                return;
            }
            SendBlock();
            return;
        case Step::Verdict:
            if (value == kChecksumAccepted) {
                step_ = Step::Result;
                frame_.Clear();
            } else if (value == kChecksumRefused) {
                host_.AppendText("\nCHECKSUM Error!");
                Fail(RunReason::ChecksumRefused);
            } else {
                host_.AppendText("\nTransfer Error!");
                Fail(RunReason::ReceiverError);
            }
            return;
        case Step::Result:
            if (!CollectWhole(frame_, value, 3)) {
                return;
            }
            if (!IsFrame(frame_, kSettingsSuccess)) {
                host_.AppendText("\nTransfer Error!");
                Fail(RunReason::ReceiverError);
                return;
            }
            host_.SendByte(kAcknowledge);
            step_ = Step::FlashVerdict;
            return;
        case Step::FlashVerdict:
            // Other bytes are ignored.
            if (value == kWriteError) {
                host_.AppendText("\nwrite flash error!");
                Fail(RunReason::ReceiverError);
            } else if (value == kWritten) {
                host_.AppendText("\nSend Param Data Success!");
                control_.EndRunWithStopUpdate([] { return RunReason::None; });
            }
            return;
    }
}

// STX, flash address, length, image kind, ETX.
void SendSettingsRun::SendHeader() {
    host_.SendByte(kStx);
    SendLe32(host_, target_.address);
    SendLe32(host_, target_.length);
    host_.SendByte(static_cast<uint8_t>(target_.kind));
    host_.SendByte(kEtx);
    frame_.Clear();
    checksum_.Reset();
    readPosition_ = 0;
    blocksSent_ = 0;
    host_.TransferProgress(0, target_.length / kBlockSize);
    step_ = Step::Blocks;
}

void SendSettingsRun::SendBlock() {
    const uint32_t end = std::min(readPosition_ + kBlockSize, target_.length);
    const uint8_t* block = images_.output.data() + readPosition_;
    for (uint32_t position = readPosition_; position < end; ++position) {
        checksum_.Add(position, images_.output[position]);
    }
    host_.SendBytes(block, end - readPosition_);
    readPosition_ = end;
    frame_.Clear();
    host_.AppendText("...");
    ++blocksSent_;
    const uint32_t blocks = target_.length / kBlockSize;
    host_.TransferProgress(blocksSent_, blocks);
    if (blocksSent_ >= blocks) {
        step_ = Step::Verdict;
        SendLe32(host_, checksum_.Sum());
    }
}

}  // namespace zev
