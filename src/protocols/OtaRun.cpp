// OTA Software Update: the information printed from the .sgn file, and the byte handler that
// hands the OTA loader the SoftwareInfoBlock, then the file in blocks, and reads its result.
#include "protocols/LineConventions.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"
#include "protocols/TextFormat.h"

namespace zev {
namespace {

bool IsFrame(const FrameBuffer& frame, uint8_t command) {
    return frame[0] == kStx && frame[1] == command && frame[2] == kEtx;
}

std::string TimeText(const std::tm& local, const char* format) {
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

}  // namespace

void ReceiverSession::PrintOtaInformation() {
    Impl& s = *impl_;
    const OtaFileInfo& info = s.otaInfo;
    host_.AppendText(Format("\n SoftWare ID: %d", info.softwareId));
    host_.AppendText(Format("\n HardWare Version: %d", info.hardwareVersion));
    host_.AppendText(Format("\n SoftWare Type: %d", info.softwareType));
    host_.AppendText(Format("\n SoftWare Version: %d", info.softwareVersion));
    host_.AppendText(Format("\n SoftWare All Length: 0x%08X", info.length));
    const std::tm local = host_.LocalTime(host_.Now());
    host_.AppendText(Format("\n OS time:%s", TimeText(local, "%H:%M:%S").c_str()));
    host_.AppendText(Format(" date:%s\n", TimeText(local, "%m/%d/%y").c_str()));
    s.otaBlock = MakeSoftwareInfoBlock(info, local);
}

void ReceiverSession::HandleOtaByte(uint8_t value) {
    Impl& s = *impl_;
    FrameBuffer& frame = s.frame;
    switch (step_) {
        case 0:
            if (value == 0xB0) {
                host_.SendByte(0xB6);
                step_ = 1;
                frame.Clear();
                s.checksum.Reset();
            }
            return;
        case 1:
            frame.Collect(value);
            if (frame.Count() < 3) {
                return;
            }
            if (IsFrame(frame, 0xB1)) {
                SendHelloAnswer(host_);
                host_.AppendText("\nStart update OTA software ... ");
                step_ = 2;
                frame.Clear();
            } else {
                host_.AppendText("\nError Connect!");
                EndRun(false);
            }
            return;
        case 2:
            frame.Collect(value);
            if (frame.Count() == 1 && frame[0] != kStx) {
                host_.AppendText("\n  Command format STX!");
                EndRun(false);
            } else if (frame.Count() == 11) {
                if (frame[10] != kEtx) {
                    host_.AppendText("\nCommand format ETX!");
                    EndRun(false);
                } else if (frame[1] == 0xB4) {
                    host_.SendByte(kStx);
                    for (uint8_t byte : s.otaBlock) {
                        host_.SendByte(byte);
                    }
                    host_.SendByte(kEtx);
                    step_ = 3;
                    frame.Clear();
                } else {
                    host_.AppendText("\nNot Expected Command!");
                    EndRun(false);
                }
            }
            return;
        case 3:
            frame.Collect(value);
            if (frame.Count() < 3) {
                return;
            }
            frame.Clear();
            if (IsFrame(frame, 0xB5)) {
                s.sender.Start(s.otaInfo.length);
                SendNextDataBlock(true);
            } else if (frame[1] == 0xC2) {
                host_.AppendText("\n Software Version Info Error!");
                step_ = 5;
            } else {
                host_.AppendText("\n Error INFO Connect!");
                EndRun(false);
            }
            return;
        case 4:
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
                if (frame[1] == 0xB2) {
                    SendNextDataBlock(false);
                } else {
                    host_.AppendText("\n  !Error: No SYNC Command!");
                    CloseHeldFile();
                    step_ = 5;
                }
            }
            return;
        case 5:
            if (value == 0xB3) {
                step_ = 6;
                frame.Clear();
            }
            return;
        case 6:
            HandleOtaResult(value);
            return;
        default:
            return;
    }
}

void ReceiverSession::HandleOtaResult(uint8_t value) {
    FrameBuffer& frame = impl_->frame;
    frame.Collect(value);
    if (frame.Count() == 3) {
        if (IsFrame(frame, 0xC0)) {
            host_.AppendText("\n<<Update Over!>>");
            EndRun(true);
            return;
        }
        host_.AppendText("\n <<Update Failure!>>");
        switch (frame[1]) {
            case 0xC3:
                host_.AppendText("\n !Error: LOADER_LENGTH_ERR");
                EndRun(false);
                return;
            case 0xC4:
                host_.AppendText("\n !Error: LOADER_CHECKSUM_ERR");
                return;
            case 0xC5:
                host_.AppendText("\n !Error: LOADER_ERASEFLASH_ERR");
                return;
            case 0xC6:
                host_.AppendText("\n !Error: LOADER_WRITEFLASH_ERR");
                return;
            case 0xC2:
                host_.AppendText("\n !Error: LOADER_VERSION_ERR");
                return;
            default:
                host_.AppendText("\n !Error: UNKNOWN_ERR");
                EndRun(false);
                return;
        }
    }
    if (frame.Count() == 7) {
        if (frame[0] == kStx && frame[6] == kEtx && (frame[1] == 0xC4 || frame[1] == 0xC6)) {
            host_.AppendText(Format(" --0x%08x", ReadLe32(frame.Data() + 2)));
        }
        EndRun(false);
    }
}

}  // namespace zev
