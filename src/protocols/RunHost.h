// What a receiver run needs from its surroundings: the terminal, message boxes and questions,
// the serial link, the views, the status bar, the program's data file and the clock. The
// desktop program and zev-cli each provide one, so the conversations with the receiver are
// written once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "core/MessageBox.h"
#include "core/Translatable.h"
#include "database/ChannelDatabase.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "protocols/RunOutcome.h"
#include "protocols/RunQuestion.h"

namespace zev {

class RunHost {
  public:
    virtual ~RunHost() = default;

    // Appends text at the end of the terminal; "\n" starts a new line.
    virtual void AppendText(const std::string& text) = 0;

    // A message box; returns the button chosen. The desktop program shows its texts in the
    // program's language, zev-cli in English.
    virtual MsgAnswer Message(const Translatable& text, const Translatable& caption, MsgIcon icon,
                              MsgButtons buttons = MsgButtons::Ok,
                              MsgAnswer defaultAnswer = MsgAnswer::Ok) = 0;
    // One of the runs' questions; shown as its message box unless a host answers it otherwise.
    virtual MsgAnswer Ask(RunQuestion question) {
        const QuestionWording wording = WordingOf(question);
        return Message(Translatable("RunQuestion", wording.text),
                       Translatable("RunQuestion", wording.caption), MsgIcon::Question,
                       wording.buttons, wording.defaultAnswer);
    }

    // Send Setting to Box is about to pack `db` as an image of `kind`; false stops the send
    // before anything changes. The desktop program checks the database here and asks before
    // sending one the box would misread.
    virtual bool ConfirmImage(const ChannelDatabase& /*db*/, ImageKind /*kind*/) { return true; }

    // The serial link. OpenLink fails also when the link is already open.
    virtual bool OpenLink() = 0;
    virtual void CloseLink() = 0;
    virtual bool LinkOpen() const = 0;
    virtual std::string PortName() const = 0;
    // Why OpenLink failed last, as a sentence ("/dev/ttyUSB0 does not exist."); empty when
    // not known.
    virtual std::string LinkProblem() const { return {}; }
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

    // The status bar's connection: "Connect:" or "Disconnect:"; `startClock` restarts the
    // time shown beside it.
    virtual void ShowConnected(bool /*connected*/, bool /*startClock*/) {}
    // Stop Update lets go of the program's data file: the file the program holds open is
    // closed and no file is current any more.
    virtual void ForgetDataFile() {}
    // A malformed line of the parameter data file at `path`, already shown in the terminal.
    virtual void MalformedDataLine(const std::string& /*path*/, const MalformedLine& /*line*/) {}

    // A run now waits for the receiver's reset (the person presses its reset button).
    virtual void WaitingForReset() {}
    // Blocks of the current transfer sent or received so far; total 0 ends the display.
    virtual void TransferProgress(unsigned /*done*/, unsigned /*total*/) {}
    // A command has ended: refused before its run began, or its run is over (mode back to
    // Idle).
    virtual void RunFinished(const RunOutcome& /*outcome*/) {}

    // Runs `step` once the byte being handled and the command being given are done: one run
    // that follows another starts from a clean slate. A host without an event loop runs it
    // at once.
    virtual void RunLater(std::function<void()> step) { step(); }

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
