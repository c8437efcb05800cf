#include "protocols/TerminalFeed.h"

#include "protocols/ReceiverSession.h"

namespace zev {
namespace {

bool IsSettingsTransfer(ProtocolMode mode) {
    return mode == ProtocolMode::LoadSettings || mode == ProtocolMode::SendSettings;
}

bool EchoesToRun(ProtocolMode mode) {
    return mode == ProtocolMode::OtaUpdate || mode == ProtocolMode::UpdateParameters ||
           mode == ProtocolMode::UpdateSoftware;
}

}  // namespace

void FeedReceivedBytes(ReceiverSession& session, std::span<const uint8_t> bytes, EchoSink& sink) {
    std::string pending;
    for (const uint8_t value : bytes) {
        // A run may change the mode with any byte, so it is looked at for each one.
        if (IsSettingsTransfer(session.Mode())) {
            session.HandleByte(value);
            continue;
        }
        if (value == 0x07) {
            sink.Beep();
        } else if (value == 0x08) {
            if (!pending.empty()) {
                sink.InsertText(pending);
                pending.clear();
            }
            sink.DeleteLastChar();
        } else if (value == 0x0A) {
            pending += '\n';
        } else if (value >= 0x20 && value <= 0x7F) {
            pending += static_cast<char>(value);
        }
        if (EchoesToRun(session.Mode())) {
            session.HandleByte(value);
        }
    }
    if (!IsSettingsTransfer(session.Mode()) && !pending.empty()) {
        sink.InsertText(pending);
    }
}

}  // namespace zev
