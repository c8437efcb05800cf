// The byte handler of Update Parameters and Update Software: the boot loader's sign, hello
// and ready frames, the data blocks released by SYNC, and the loader's result.
#include <algorithm>

#include "protocols/LineConventions.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"
#include "protocols/TextFormat.h"

namespace zev {
namespace {

constexpr uint8_t kParameterSign = 0x0E;
constexpr uint8_t kSoftwareSign = 0x0F;
constexpr uint8_t kGeneralSign = 0xAA;
constexpr uint8_t kEndMarker = 0x1B;
constexpr uint32_t kFullDatabaseAddress = 0xD0000;
constexpr uint32_t kChannelListAddress = 0x6000;
constexpr uint32_t kSoftwareAddress = 0x10000;

bool IsFrame(const FrameBuffer& frame, uint8_t command) {
    return frame[0] == kStx && frame[1] == command && frame[2] == kEtx;
}

}  // namespace

void ReceiverSession::HandleBootLoaderByte(uint8_t value) {
    FrameBuffer& frame = impl_->frame;
    const bool parameters = mode_ == ProtocolMode::UpdateParameters;
    switch (step_) {
        case 0: {
            const uint8_t sign = parameters ? kParameterSign : kSoftwareSign;
            if (value == sign || value == kGeneralSign) {
                host_.SendByte(value == sign ? sign : 0x55);
                step_ = 1;
                frame.Clear();
                impl_->checksum.Reset();
            }
            return;
        }
        case 1:
            frame.Collect(value);
            if (frame.Count() < 3) {
                return;
            }
            if (IsFrame(frame, 0x01)) {
                step_ = 2;
                SendHelloAnswer(host_);
                host_.AppendText(parameters ? "\nStart updating parameters... "
                                            : "\nStart updating software... ");
                frame.Clear();
            } else {
                host_.AppendText("\n Update Fail ! ");
                EndRun(false);
            }
            return;
        case 2:
            frame.Collect(value);
            if (frame.Count() == 1 && frame[0] != kStx) {
                host_.AppendText("\n  Command format Error0!");
                EndRun(false);
            } else if (frame.Count() == 11) {
                if (frame[10] != kEtx) {
                    host_.AppendText("\n  Command format Error1!");
                    EndRun(false);
                } else if (frame[1] != 0x02) {
                    host_.AppendText("\n  Not Expected Command!");
                    EndRun(false);
                } else {
                    frame.Clear();
                    StartBootLoaderData();
                }
            }
            return;
        case 3:
            frame.Collect(value);
            if (frame.Count() == 1 && frame[0] != kStx) {
                host_.AppendText("\n  Command format Error2!");
                EndRun(false);
            } else if (frame.Count() == 3) {
                if (frame[2] != kEtx) {
                    host_.AppendText("\n  Command format Error3!");
                    EndRun(false);
                    return;
                }
                frame.Clear();
                if (frame[1] == 0x16) {
                    SendNextDataBlock(false);
                } else {
                    host_.AppendText("\n  !Error: No SYNC Command!");
                    if (!parameters) {
                        CloseHeldFile();
                    }
                    step_ = 4;
                }
            }
            return;
        case 4:
            if (value == kEndMarker) {
                step_ = 5;
                frame.Clear();
            }
            return;
        case 5:
            HandleBootResult(value);
            return;
        default:
            return;
    }
}

void ReceiverSession::StartBootLoaderData() {
    if (mode_ == ProtocolMode::UpdateParameters) {
        ParameterDataFile& data = impl_->dataFile;
        SendLe32(host_, impl_->updateLength);
        SendLe32(host_, data.FullDatabase() ? kFullDatabaseAddress : kChannelListAddress);
        data.BuildImage(images_.input, host_);
        impl_->sender.Start(impl_->updateLength);
        SendNextDataBlock(true);
        return;
    }
    // The file may have changed since the command checked it: check again before its length
    // goes out.
    long size = -1;
    if (heldFile_ != nullptr && std::fseek(heldFile_, 0, SEEK_END) == 0) {
        size = std::ftell(heldFile_);
    }
    if (size <= 0 || static_cast<unsigned long>(size) > kMaxBlocks * kBlockSize) {
        host_.AppendText("\n  !Error: The software file can't be read or has changed, exit!");
        CloseHeldFile();
        EndRun(false);
        return;
    }
    const auto length = static_cast<uint32_t>(size);
    SendLe32(host_, length);
    SendLe32(host_, kSoftwareAddress);
    impl_->sender.Start(length);
    SendNextDataBlock(true);
}

void ReceiverSession::SendNextDataBlock(bool restart) {
    const bool fromImage = mode_ == ProtocolMode::UpdateParameters;
    const bool ota = mode_ == ProtocolMode::OtaUpdate;
    BlockSender& sender = impl_->sender;
    const std::span<const uint8_t> input(images_.input);
    MemoryBlockSource image(input.first(std::min<std::size_t>(sender.TotalLength(), input.size())));
    FileBlockSource file(heldFile_);
    BlockSource& source = fromImage ? static_cast<BlockSource&>(image) : file;
    switch (sender.SendNextBlock(host_, source, impl_->checksum, restart)) {
        case BlockOutcome::MoreBlocks:
            step_ = ota ? 4 : 3;
            return;
        case BlockOutcome::LastBlockSent:
            if (!fromImage) {
                CloseHeldFile();
            }
            SendLe32(host_, impl_->checksum.Sum());
            step_ = ota ? 5 : 4;
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

void ReceiverSession::HandleBootResult(uint8_t value) {
    FrameBuffer& frame = impl_->frame;
    frame.Collect(value);
    if (frame.Count() == 3) {
        if (IsFrame(frame, 0x05)) {
            host_.AppendText("\n<<Update Over!>>");
            EndRun(true);
            return;
        }
        host_.AppendText("\n<<Update Failure!>>");
        switch (frame[1]) {
            case 0x09:
                host_.AppendText("\n!Error: BOOT_LENGTH_ERR");
                EndRun(false);
                return;
            case 0x07:
                host_.AppendText("\n!Error: BOOT_CHECKSUM_ERR");
                return;  // the address follows
            case 0x08:
                host_.AppendText("\n!Error: BOOT_FLASH_ERR");
                return;
            default:
                host_.AppendText("\n!Error: UNKNOWN_ERR");
                EndRun(false);
                return;
        }
    }
    if (frame.Count() == 7) {
        if (frame[0] == kStx && frame[6] == kEtx && (frame[1] == 0x07 || frame[1] == 0x08)) {
            host_.AppendText(Format("--0x%08x", ReadLe32(frame.Data() + 2)));
        }
        EndRun(false);
    }
}

}  // namespace zev
