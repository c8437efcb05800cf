// The handshake every loader run starts with (steps 0 to 2): the loader's sign and its
// answer, the 3-byte hello frame, then the 11-byte ready frame whose command says what the
// loader wants. The runs differ only in the bytes and texts of their HandshakeWording.
#pragma once

#include <cstdint>

#include "protocols/FrameBuffer.h"
#include "protocols/RunHost.h"

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

struct HandshakeWording {
    uint8_t sign;
    uint8_t signAnswer;
    bool takesGeneralSign;  // the general sign 0xAA is answered with 0x55 as well
    uint8_t hello;          // command of the hello frame
    const char* startText;  // printed when the hello is right
    const char* helloError;
    uint8_t ready;  // command of the ready frame
    const FrameErrorTexts& readyErrors;
};

class LoaderHandshake {
  public:
    // Steps 0, 1 and 2 of every run; the run's own steps follow.
    enum class Step : uint8_t { Sign = 0, Hello = 1, Ready = 2 };
    enum class Progress {
        Waiting,  // more bytes to come
        Done,     // the ready frame is in: the run's own part begins
        Failed,   // a wrong frame; its line is printed
    };

    LoaderHandshake(RunHost& host, const HandshakeWording& wording)
        : host_(host), wording_(wording) {}

    Progress Feed(uint8_t value);
    Step CurrentStep() const { return step_; }

  private:
    Progress FeedSign(uint8_t value);
    Progress FeedHello(uint8_t value);
    Progress FeedReady(uint8_t value);

    RunHost& host_;
    const HandshakeWording& wording_;
    Step step_ = Step::Sign;
    FrameBuffer frame_;
};

}  // namespace zev
