// What Update Parameters and Update Software share: the boot loader's handshake, then the
// length and flash address, the data in blocks, and the loader's result.
#pragma once

#include "protocols/LoaderRun.h"
#include "protocols/LoaderTransfer.h"

namespace zev {

class BootLoaderUpdateRun : public LoaderRun {
  public:
    enum class Step : uint8_t {
        Blocks = kFirstOwnStep,  // a block has gone; SYNC asks for the next
        EndMarker,  // all data (or no more) has gone; the result follows the end marker
        Result,
    };

    bool FirstBlockSent() const override { return transfer_.FirstBlockSent(); }

  protected:
    // Each update's StartOwnPart writes length and address and starts the data.
    BootLoaderUpdateRun(RunHost& host, RunControl& control, const HandshakeWording& handshake);

    void HandleOwnByte(uint8_t value) override { Follow(transfer_.Feed(value), transfer_); }
    uint8_t OwnStepNumber() const override {
        return transfer_.StepNumberFrom(static_cast<uint8_t>(Step::Blocks));
    }

    LoaderTransfer transfer_;
};

// The boot loader's handshake for each update: they differ only in the sign and the line that
// starts the update.
extern const HandshakeWording kParameterUpdateHandshake;
extern const HandshakeWording kSoftwareUpdateHandshake;

}  // namespace zev
