// Steps 0 to 2 of Load Setting from Box and Send Setting to Box: the boot loader's handshake,
// then the request that starts the run's own part. The two runs differ only in their sign,
// start line and request.
#include "protocols/LoaderHandshake.h"
#include "protocols/ReceiverSession.h"

namespace zev {
namespace {

constexpr Handshake SettingsHandshake(uint8_t sign, const char* startText) {
    return {
        .sign = sign,
        .signAnswer = 0x55,
        .takesGeneralSign = false,
        .hello = 0x01,
        .startText = startText,
        .helloError = "\nError Connect!",
        .ready = 0x02,
        .readyErrors = kLoaderFrameErrors,
    };
}

constexpr Handshake kLoadHandshake = SettingsHandshake(0xBB, "\nStart receive parameters... ");
constexpr Handshake kSendHandshake = SettingsHandshake(0xCC, "\nStart send parameters... \n");

}  // namespace

bool ReceiverSession::HandleSettingsHandshake(uint8_t value) {
    if (step_ >= kHandshakeSteps) {
        return false;
    }
    const bool load = mode_ == ProtocolMode::LoadSettings;
    if (HandleHandshake(load ? kLoadHandshake : kSendHandshake, value)) {
        host_.SendByte(load ? 0xBC : 0xCD);
        step_ = kHandshakeSteps;
    }
    return true;
}

}  // namespace zev
