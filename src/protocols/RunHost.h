// What a receiver run needs from its surroundings: the terminal, message boxes, the serial
// link, the views and the clock. The desktop program and zev-cli each provide one, so the
// conversations with the receiver are written once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace zev {

enum class ProtocolMode : int32_t {
    Idle = 0,
    UpdateParameters = 1,
    UpdateSoftware = 2,
    LoadSettings = 3,
    SendSettings = 4,
    OtaUpdate = 5,
};

enum class MsgIcon { None, Exclamation, Information, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

class RunHost {
  public:
    virtual ~RunHost() = default;

    // Appends text at the end of the terminal; "\n" starts a new line.
    virtual void AppendText(const std::string& text) = 0;

    // A message box; returns the button chosen.
    virtual MsgAnswer Message(const std::string& text, const std::string& caption, MsgIcon icon,
                              MsgButtons buttons = MsgButtons::Ok,
                              MsgAnswer defaultAnswer = MsgAnswer::Ok) = 0;

    // The serial link. OpenLink fails also when the link is already open.
    virtual bool OpenLink() = 0;
    virtual void CloseLink() = 0;
    virtual bool LinkOpen() const = 0;
    virtual std::string PortName() const = 0;
    // Sends one byte; 1 when it went, 0 on failure.
    virtual int SendByte(uint8_t value) = 0;
    // Sends a run of bytes in order, as SendByte would one by one; returns how many went.
    // A link that buffers its writes overrides it so a block costs one call, not thousands.
    virtual std::size_t SendBytes(const uint8_t* bytes, std::size_t count) {
        std::size_t sent = 0;
        for (std::size_t i = 0; i < count; ++i) {
            sent += static_cast<std::size_t>(SendByte(bytes[i]));
        }
        return sent;
    }

    // Views: show the terminal (Edit Text); build the channel list view anew and show the TV
    // list (after a successful load).
    virtual void ShowTerminal() {}
    virtual void ShowLoadedTvList() {}

    // A run now waits for the receiver's reset (the person presses its reset button).
    virtual void WaitingForReset() {}
    // Blocks of the current transfer sent or received so far; total 0 ends the display.
    virtual void TransferProgress(unsigned /*done*/, unsigned /*total*/) {}
    // The active run has ended (mode back to Idle); success only with its success line.
    virtual void RunFinished(ProtocolMode /*mode*/, bool /*success*/) {}

    // The clock; tests replace it.
    virtual std::time_t Now() { return std::time(nullptr); }
    virtual std::tm LocalTime(std::time_t t) {
        std::tm out{};
#ifdef _WIN32
        localtime_s(&out, &t);
#else
        localtime_r(&t, &out);
#endif
        return out;
    }
};

}  // namespace zev
