// OTA Software Update: the information printed from the .sgn file, and the byte handler that
// hands the OTA loader the SoftwareInfoBlock, then the file in the shared data steps.
#include "core/TextFormat.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"
#include "protocols/LoaderHandshake.h"
#include "protocols/LoaderTransfer.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"

namespace zev {
namespace {

constexpr uint8_t kVersionError = 0xC2;

constexpr Handshake kOtaHandshake = {
    .sign = 0xB0,
    .signAnswer = 0xB6,
    .takesGeneralSign = false,
    .hello = 0xB1,
    .startText = "\nStart update OTA software ... ",
    .helloError = "\nError Connect!",
    .ready = 0xB4,  // the request for the information block
    .readyErrors = kLoaderFrameErrors,
};

// The step that waits for the loader's answer to the information block.
constexpr uint8_t kInfoAnswerStep = kHandshakeSteps;

// The erase and version errors carry an address that is not printed.
constexpr ResultCode kOtaFailures[] = {
    {0xC3, FailureFrame::Short, "\n !Error: LOADER_LENGTH_ERR"},
    {0xC4, FailureFrame::LongWithAddress, "\n !Error: LOADER_CHECKSUM_ERR"},
    {0xC5, FailureFrame::Long, "\n !Error: LOADER_ERASEFLASH_ERR"},
    {0xC6, FailureFrame::LongWithAddress, "\n !Error: LOADER_WRITEFLASH_ERR"},
    {kVersionError, FailureFrame::Long, "\n !Error: LOADER_VERSION_ERR"},
};

constexpr LoaderResults kOtaResults = {
    .success = 0xC0,
    .failure = "\n <<Update Failure!>>",
    .failures = kOtaFailures,
    .unknown = "\n !Error: UNKNOWN_ERR",
    .addressFormat = " --0x%08x",
};

constexpr LoaderTransfer kOtaTransfer = {
    .sync = 0xB2,
    .endMarker = 0xB3,
    .syncStep = 4,
    .endStep = 5,
    .resultStep = 6,
    .results = kOtaResults,
};

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
    if (step_ < kHandshakeSteps) {
        if (HandleHandshake(kOtaHandshake, value)) {
            // The information request: the SoftwareInfoBlock goes out as one frame.
            host_.SendByte(kStx);
            for (uint8_t byte : impl_->otaBlock) {
                host_.SendByte(byte);
            }
            host_.SendByte(kEtx);
            step_ = kInfoAnswerStep;
        }
    } else if (step_ == kInfoAnswerStep) {
        HandleOtaInfoAnswer(value);
    } else {
        HandleTransferByte(kOtaTransfer, value);
    }
}

void ReceiverSession::HandleOtaInfoAnswer(uint8_t value) {
    Impl& s = *impl_;
    FrameBuffer& frame = s.frame;
    if (!CollectWhole(frame, value, 3)) {
        return;
    }
    const bool accepted = IsFrame(frame, 0xB5);
    const uint8_t command = frame[1];
    frame.Clear();
    if (accepted) {
        s.sender.Start(s.otaInfo.length);
        SendNextDataBlock(kOtaTransfer, true);
    } else if (command == kVersionError) {
        // The loader refuses the version: no data, its result follows the end marker.
        host_.AppendText("\n Software Version Info Error!");
        step_ = kOtaTransfer.endStep;
    } else {
        host_.AppendText("\n Error INFO Connect!");
        EndRun(false);
    }
}

}  // namespace zev
