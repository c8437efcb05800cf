// The terminal's handling of received bytes: each byte goes to the active run, and what a
// receiver prints outside settings transfers is echoed by fixed rules (bell, backspace, line
// feed and printable ASCII; everything else dropped).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zev {

class ReceiverSession;

inline constexpr std::size_t kMaxBytesPerNotification = 100;

// Where echoed bytes go. Text uses "\n" as its line end.
class EchoSink {
  public:
    virtual ~EchoSink() = default;
    virtual void InsertText(const std::string& text) = 0;  // at the end of the terminal
    virtual void DeleteLastChar() = 0;                     // of the whole terminal text
    virtual void Beep() = 0;
};

// Handles one notification's bytes (the caller reads at most kMaxBytesPerNotification).
void FeedReceivedBytes(ReceiverSession& session, std::span<const uint8_t> bytes, EchoSink& sink);

}  // namespace zev
