// Steps 0 to 2 of Load Setting from Box and Send Setting to Box: the boot loader's sign,
// hello and ready frames. The two runs differ only in their sign, start line and request.
#include "protocols/LineConventions.h"
#include "protocols/ReceiverSession.h"
#include "protocols/SessionState.h"

namespace zev {

void ReceiverSession::HandleSettingsHandshake(uint8_t value) {
    FrameBuffer& frame = impl_->frame;
    const bool load = mode_ == ProtocolMode::LoadSettings;
    switch (step_) {
        case 0:
            if (value == (load ? 0xBB : 0xCC)) {
                host_.SendByte(0x55);
                step_ = 1;
                frame.Clear();
                impl_->checksum.Reset();
            }
            return;
        case 1:
            frame.Collect(value);
            if (frame.Count() < 3) {
                return;
            }
            if (frame[0] == kStx && frame[1] == 0x01 && frame[2] == kEtx) {
                SendHelloAnswer(host_);
                host_.AppendText(load ? "\nStart receive parameters... "
                                      : "\nStart send parameters... \n");
                step_ = 2;
                frame.Clear();
            } else {
                host_.AppendText("\nError Connect!");
                EndRun(false);
            }
            return;
        case 2:
            frame.Collect(value);
            if (frame.Count() == 1 && frame[0] != kStx) {
                host_.AppendText("\n  Command format STX!");
                EndRun(false);
            } else if (frame.Count() == 11) {
                if (frame[10] != kEtx) {
                    host_.AppendText("\nCommand format ETX!");
                    EndRun(false);
                } else if (frame[1] != 0x02) {
                    host_.AppendText("\nNot Expected Command!");
                    EndRun(false);
                } else {
                    host_.SendByte(load ? 0xBC : 0xCD);
                    frame.Clear();
                    step_ = 3;
                }
            }
            return;
        default:
            return;
    }
}

}  // namespace zev
