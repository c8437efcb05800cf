// A run that begins with the loader's handshake (steps 0 to 2) and then goes on with steps of
// its own, numbered from 3: every run but the plain terminal. The handshake is fed here once,
// so each run only says what it does when the ready frame is in and with the bytes after it.
#pragma once

#include <cstdint>

#include "protocols/LoaderHandshake.h"
#include "protocols/ReceiverRun.h"

namespace zev {

class LoaderRun : public ReceiverRun {
  public:
    // The number of a run's first step of its own; those before are the handshake's.
    static constexpr uint8_t kFirstOwnStep = static_cast<uint8_t>(LoaderHandshake::Step::Ready) + 1;

    uint8_t StepNumber() const final;
    void HandleByte(uint8_t value) final;

  protected:
    LoaderRun(RunHost& host, RunControl& control, const HandshakeWording& wording)
        : ReceiverRun(host, control), handshake_(host, wording) {}

    // The ready frame is in: the run's own part begins.
    virtual void StartOwnPart() = 0;
    // A byte after the handshake.
    virtual void HandleOwnByte(uint8_t value) = 0;
    // The number of the run's own current step.
    virtual uint8_t OwnStepNumber() const = 0;

  private:
    LoaderHandshake handshake_;
    bool handshakeDone_ = false;
};

}  // namespace zev
