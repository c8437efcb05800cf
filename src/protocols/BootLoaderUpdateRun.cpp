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
    : LoaderRun(host, control, handshake), transfer_(host, kBootTransfer) {}

}  // namespace zev
