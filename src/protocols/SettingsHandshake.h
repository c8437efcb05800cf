// Steps 0 to 2 of Load Setting from Box and Send Setting to Box: the boot loader's handshake,
// answered with 0x55. The two runs differ only in their sign and start line, and in the
// request that follows the ready frame. Also the answers both runs know after their data.
#pragma once

#include "protocols/LoaderHandshake.h"

namespace zev {

constexpr HandshakeWording SettingsHandshake(uint8_t sign, const char* startText) {
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

inline constexpr HandshakeWording kLoadHandshake =
    SettingsHandshake(0xBB, "\nStart receive parameters... ");
inline constexpr HandshakeWording kSendHandshake =
    SettingsHandshake(0xCC, "\nStart send parameters... \n");

// The receiving side's verdict on the checksum of the data, and the box's result frame.
inline constexpr uint8_t kChecksumAccepted = 0x1B;
inline constexpr uint8_t kChecksumRefused = 0x07;
inline constexpr uint8_t kSettingsSuccess = 0x05;

}  // namespace zev
