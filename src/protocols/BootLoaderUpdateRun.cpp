#include "protocols/BootLoaderUpdateRun.h"

namespace zev {
namespace {

constexpr FrameErrorTexts kBootFrameErrors = {
    .badStx = "\n  Command format Error0!",
    .badEtx = "\n  Command format Error1!",
    .unexpected = "\n  Not Expected Command!",
};

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

constexpr TransferWording kBootTransfer = {
    .sync = 0x16,
    .endMarker = 0x1B,
    .results = kBootResults,
};

constexpr HandshakeWording BootLoaderHandshake(uint8_t sign, const char* startText) {
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

}  // namespace

const HandshakeWording kParameterUpdateHandshake =
    BootLoaderHandshake(0x0E, "\nStart updating parameters... ");
const HandshakeWording kSoftwareUpdateHandshake =
    BootLoaderHandshake(0x0F, "\nStart updating software... ");

BootLoaderUpdateRun::BootLoaderUpdateRun(RunHost& host, RunControl& control,
                                         const HandshakeWording& handshake)
    : ReceiverRun(host, control), transfer_(host, kBootTransfer), handshake_(host, handshake) {}

BootLoaderUpdateRun::Step BootLoaderUpdateRun::CurrentStep() const {
    if (!handshakeDone_) {
        return static_cast<Step>(handshake_.CurrentStep());
    }
    switch (transfer_.CurrentStep()) {
        case LoaderTransfer::Step::Blocks:
            return Step::Blocks;
        case LoaderTransfer::Step::EndMarker:
            return Step::EndMarker;
        case LoaderTransfer::Step::Result:
            return Step::Result;
    }
    return Step::Blocks;
}

void BootLoaderUpdateRun::HandleByte(uint8_t value) {
    if (handshakeDone_) {
        Follow(transfer_.Feed(value), transfer_);
        return;
    }
    switch (handshake_.Feed(value)) {
        case LoaderHandshake::Progress::Waiting:
            return;
        case LoaderHandshake::Progress::Failed:
            Fail(RunReason::BadFrame);
            return;
        case LoaderHandshake::Progress::Done:
            handshakeDone_ = true;
            StartData();
            return;
    }
}

}  // namespace zev
