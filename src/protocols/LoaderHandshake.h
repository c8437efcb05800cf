// The handshake every loader run starts with (steps 0 to 2): the loader's sign and its
// answer, the 3-byte hello frame, then the 11-byte ready frame whose command says what the
// loader wants. The runs differ only in the bytes and texts described here.
#pragma once

#include <cstdint>

namespace zev {

// Lines for an 11-byte frame that is not what the run expects.
struct FrameErrorTexts {
    const char* badStx;
    const char* badEtx;
    const char* unexpected;  // well framed, another command
};

// The wording of the settings runs and of the OTA loader.
inline constexpr FrameErrorTexts kLoaderFrameErrors = {
    .badStx = "\n  Command format STX!",
    .badEtx = "\nCommand format ETX!",
    .unexpected = "\nNot Expected Command!",
};

struct Handshake {
    uint8_t sign;
    uint8_t signAnswer;
    bool takesGeneralSign;  // the general sign 0xAA is answered with 0x55 as well
    uint8_t hello;          // command of the hello frame
    const char* startText;  // printed when the hello is right
    const char* helloError;
    uint8_t ready;  // command of the ready frame
    const FrameErrorTexts& readyErrors;
};

// Steps taken by the handshake; the run's own steps follow.
inline constexpr uint8_t kHandshakeSteps = 3;

}  // namespace zev
