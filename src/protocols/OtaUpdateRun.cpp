#include "protocols/OtaUpdateRun.h"

#include "core/TextFormat.h"
#include "protocols/FrameStep.h"
#include "protocols/LineConventions.h"

namespace zev {
namespace {

constexpr uint8_t kInfoAccepted = 0xB5;
constexpr uint8_t kVersionError = 0xC2;

constexpr HandshakeWording kOtaHandshake = {
    .sign = 0xB0,
    .signAnswer = 0xB6,
    .takesGeneralSign = false,
    .hello = 0xB1,
    .startText = "\nStart update OTA software ... ",
    .helloError = "\nError Connect!",
    .ready = 0xB4,  // the request for the information block
    .readyErrors = kLoaderFrameErrors,
};

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

constexpr TransferWording kOtaTransfer = {
    .sync = 0xB2,
    .endMarker = 0xB3,
    .results = kOtaResults,
};

std::string TimeText(const std::tm& local, const char* format) {
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, format, &local);
    return std::string(text, length);
}

}  // namespace

OtaUpdateRun::OtaUpdateRun(RunHost& host, RunControl& control, std::unique_ptr<RunFile> file,
                           const OtaFileInfo& info)
    : LoaderRun(host, control, kOtaHandshake),
      file_(std::move(file)),
      info_(info),
      transfer_(host, kOtaTransfer) {}

void OtaUpdateRun::PrintInformation() {
    host_.AppendText(Format("\n SoftWare ID: %d", info_.softwareId));
    host_.AppendText(Format("\n HardWare Version: %d", info_.hardwareVersion));
    host_.AppendText(Format("\n SoftWare Type: %d", info_.softwareType));
    host_.AppendText(Format("\n SoftWare Version: %d", info_.softwareVersion));
    host_.AppendText(Format("\n SoftWare All Length: 0x%08X", info_.length));
    const std::tm local = host_.LocalTime(host_.Now());
    host_.AppendText(Format("\n OS time:%s", TimeText(local, "%H:%M:%S").c_str()));
    host_.AppendText(Format(" date:%s\n", TimeText(local, "%m/%d/%y").c_str()));
    block_ = MakeSoftwareInfoBlock(info_, local);
}

uint8_t OtaUpdateRun::OwnStepNumber() const {
    return infoAnswered_ ? transfer_.StepNumberFrom(static_cast<uint8_t>(Step::Blocks))
                         : static_cast<uint8_t>(Step::InfoAnswer);
}

OpenFile OtaUpdateRun::HeldFile() const {
    return file_->IsOpen() ? OpenFile::OtaFile : OpenFile::None;
}

void OtaUpdateRun::HandleOwnByte(uint8_t value) {
    if (infoAnswered_) {
        Follow(transfer_.Feed(value), transfer_);
    } else {
        HandleInfoAnswer(value);
    }
}

void OtaUpdateRun::StartOwnPart() {
    // The information block goes out as one frame.
    host_.SendByte(kStx);
    for (uint8_t byte : block_) {
        host_.SendByte(byte);
    }
    host_.SendByte(kEtx);
    frame_.Clear();
}

void OtaUpdateRun::HandleInfoAnswer(uint8_t value) {
    if (!CollectWhole(frame_, value, 3)) {
        return;
    }
    const bool accepted = IsFrame(frame_, kInfoAccepted);
    const uint8_t command = frame_[1];
    frame_.Clear();
    if (accepted) {
        infoAnswered_ = true;
        Follow(transfer_.Start(*file_, info_.length), transfer_);
    } else if (command == kVersionError) {
        // The loader refuses the version: no data, its result follows the end marker.
        host_.AppendText("\n Software Version Info Error!");
        infoAnswered_ = true;
        transfer_.SkipToResult(RunReason::VersionRefused);
    } else {
        host_.AppendText("\n Error INFO Connect!");
        Fail(RunReason::BadFrame);
    }
}

}  // namespace zev
