// What Update Parameters and Update Software share: the boot loader's handshake, then the
// length and flash address, the data in blocks, and the loader's result.
#pragma once

#include "protocols/LoaderHandshake.h"
#include "protocols/LoaderTransfer.h"
#include "protocols/ReceiverRun.h"

namespace zev {

class BootLoaderUpdateRun : public ReceiverRun {
  public:
    enum class Step : uint8_t {
        Sign = 0,
        Hello = 1,
        Ready = 2,
        Blocks = 3,     // a block has gone; SYNC asks for the next
        EndMarker = 4,  // all data (or no more) has gone; the result follows the end marker
        Result = 5,
    };

    Step CurrentStep() const;
    uint8_t StepNumber() const override { return static_cast<uint8_t>(CurrentStep()); }
    void HandleByte(uint8_t value) override;
    bool FirstBlockSent() const override { return transfer_.FirstBlockSent(); }

  protected:
    BootLoaderUpdateRun(RunHost& host, RunControl& control, const HandshakeWording& handshake);

    // The ready frame is in: writes length and address and starts the data.
    virtual void StartData() = 0;

    LoaderTransfer transfer_;

  private:
    LoaderHandshake handshake_;
    bool handshakeDone_ = false;
};

// The boot loader's handshake for each update: they differ only in the sign and the line that
// starts the update.
extern const HandshakeWording kParameterUpdateHandshake;
extern const HandshakeWording kSoftwareUpdateHandshake;

}  // namespace zev
