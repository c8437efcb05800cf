// The handshake steps shared by the boot loader, settings and OTA runs.
#include "protocols/LoaderHandshake.h"

#include "protocols/FrameStep.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"

namespace zev {
namespace {

constexpr uint8_t kGeneralSign = 0xAA;
constexpr uint8_t kGeneralSignAnswer = 0x55;
constexpr uint8_t kReadyFrameLength = 11;

}  // namespace

bool ReceiverSession::HandleHandshake(const Handshake& h, uint8_t value) {
    FrameBuffer& frame = impl_->frame;
    switch (step_) {
        case 0:
            if (value == h.sign || (h.takesGeneralSign && value == kGeneralSign)) {
                host_.SendByte(value == h.sign ? h.signAnswer : kGeneralSignAnswer);
                step_ = 1;
                frame.Clear();
                impl_->checksum.Reset();
            }
            return false;
        case 1:
            if (!CollectWhole(frame, value, 3)) {
                return false;
            }
            if (IsFrame(frame, h.hello)) {
                SendHelloAnswer(host_);
                host_.AppendText(h.startText);
                step_ = 2;
                frame.Clear();
            } else {
                host_.AppendText(h.helloError);
                EndRun(false);
            }
            return false;
        case 2:
            if (!CollectCheckedFrame(value, kReadyFrameLength, h.readyErrors.badStx,
                                     h.readyErrors.badEtx)) {
                return false;
            }
            if (frame[1] != h.ready) {
                host_.AppendText(h.readyErrors.unexpected);
                EndRun(false);
                return false;
            }
            frame.Clear();
            return true;
        default:
            return false;
    }
}

}  // namespace zev
