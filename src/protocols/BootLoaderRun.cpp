// The byte handler of Update Parameters and Update Software: the boot loader's handshake,
// the start of the data, and the boot loader's bytes for the shared data steps.
#include "formats/ParameterUpdateImage.h"
#include "formats/SoftwareFile.h"
#include "protocols/FileByteSource.h"
#include "protocols/LineConventions.h"
#include "protocols/LoaderHandshake.h"
#include "protocols/LoaderTransfer.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"

namespace zev {
namespace {

constexpr uint32_t kFullDatabaseAddress = 0xD0000;
constexpr uint32_t kChannelListAddress = 0x6000;
constexpr uint32_t kSoftwareAddress = 0x10000;

constexpr FrameErrorTexts kBootFrameErrors = {
    .badStx = "\n  Command format Error0!",
    .badEtx = "\n  Command format Error1!",
    .unexpected = "\n  Not Expected Command!",
};

// The parameter and software runs differ only in the sign and the start line.
constexpr Handshake BootHandshake(uint8_t sign, const char* startText) {
    return {
        .sign = sign,
        .signAnswer = sign,
        .takesGeneralSign = true,
        .hello = 0x01,
        .startText = startText,
        .helloError = "\n Update Fail ! ",
        .ready = 0x02,
        .readyErrors = kBootFrameErrors,
    };
}

constexpr Handshake kParameterHandshake = BootHandshake(0x0E, "\nStart updating parameters... ");
constexpr Handshake kSoftwareHandshake = BootHandshake(0x0F, "\nStart updating software... ");

// The checksum and flash errors carry the address where they happened.
constexpr ResultCode kBootFailures[] = {
    {0x09, FailureFrame::Short, "\n!Error: BOOT_LENGTH_ERR"},
    {0x07, FailureFrame::LongWithAddress, "\n!Error: BOOT_CHECKSUM_ERR"},
    {0x08, FailureFrame::LongWithAddress, "\n!Error: BOOT_FLASH_ERR"},
};

constexpr LoaderResults kBootResults = {
    .success = 0x05,
    .failure = "\n<<Update Failure!>>",
    .failures = kBootFailures,
    .unknown = "\n!Error: UNKNOWN_ERR",
    .addressFormat = "--0x%08x",
};

constexpr LoaderTransfer kBootTransfer = {
    .sync = 0x16,
    .endMarker = 0x1B,
    .syncStep = 3,
    .endStep = 4,
    .resultStep = 5,
    .results = kBootResults,
};

}  // namespace

void ReceiverSession::HandleBootLoaderByte(uint8_t value) {
    if (step_ >= kHandshakeSteps) {
        HandleTransferByte(kBootTransfer, value);
        return;
    }
    const bool parameters = mode_ == ProtocolMode::UpdateParameters;
    if (HandleHandshake(parameters ? kParameterHandshake : kSoftwareHandshake, value)) {
        StartBootLoaderData();
    }
}

void ReceiverSession::StartBootLoaderData() {
    if (mode_ == ProtocolMode::UpdateParameters) {
        ParameterDataFile& data = impl_->dataFile;
        SendLe32(host_, impl_->updateLength);
        SendLe32(host_, data.FullDatabase() ? kFullDatabaseAddress : kChannelListAddress);
        BuildUpdateImage(data, images_.input);
        host_.AppendText(UpdateImageCountsText(data));
        impl_->sender.Start(impl_->updateLength);
        SendNextDataBlock(kBootTransfer, true);
        return;
    }
    // The file may have changed since the command checked it: check again before its length
    // goes out.
    const std::optional<uint64_t> size = FileByteSource(heldFile_).Size();
    if (!size || !SoftwareFileProblem(currentFileName, *size).empty()) {
        host_.AppendText("\n  !Error: The software file can't be read or has changed, exit!");
        CloseHeldFile();
        EndRun(false);
        return;
    }
    const auto length = static_cast<uint32_t>(*size);
    SendLe32(host_, length);
    SendLe32(host_, kSoftwareAddress);
    impl_->sender.Start(length);
    SendNextDataBlock(kBootTransfer, true);
}

}  // namespace zev
