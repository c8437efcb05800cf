#include "protocols/LoaderRun.h"

namespace zev {

uint8_t LoaderRun::StepNumber() const {
    return handshakeDone_ ? OwnStepNumber() : static_cast<uint8_t>(handshake_.CurrentStep());
}

void LoaderRun::HandleByte(uint8_t value) {
    if (handshakeDone_) {
        HandleOwnByte(value);
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
            StartOwnPart();
            return;
    }
}

}  // namespace zev
