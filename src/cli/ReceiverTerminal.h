// zev-cli's stand-in for the terminal view: the run's terminal text goes to standard output
// with plain line feeds, message boxes go to standard error, the runs' questions are answered
// from the command line's options (a command line cannot ask), and the serial half comes from
// LinkRunHost.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "link/LinkRunHost.h"
#include "protocols/TerminalFeed.h"

namespace zev::cli {

// Text appended at the end of a terminal that is a stream: written the moment it comes, so a
// pipe or file sees the receiver's text as it arrives, line end or not. A stream cannot take
// characters back, so a backspace is drawn as a console draws it ("\b \b").
class TerminalStream {
  public:
    explicit TerminalStream(std::ostream& out) : out_(out) {}
    void Append(const std::string& text);
    void DeleteLastChar();
    // Ends the text with a line feed, as command-line output ends, when it does not already
    // end with one.
    void Finish();

  private:
    std::ostream& out_;
    bool atLineStart_ = true;  // nothing written yet, or the last character was a line feed
};

class ReceiverHost : public LinkRunHost, public EchoSink {
  public:
    ReceiverHost(SerialLink& link, TerminalStream& terminal, std::ostream& err)
        : LinkRunHost(link), terminal_(terminal), err_(err) {}

    // send --default: the default channels are rewritten as well, unless they do not fit.
    void SetModifyDefault(bool modify) { modifyDefault_ = modify; }

    // RunHost
    void AppendText(const std::string& text) override { terminal_.Append(text); }
    MsgAnswer Message(const Translatable& text, const Translatable& caption, MsgIcon icon,
                      MsgButtons buttons, MsgAnswer defaultAnswer) override;
    MsgAnswer Ask(RunQuestion question) override;
    // The database is checked as `check` checks it; with errors nothing is sent (a command line
    // cannot be asked whether to send it anyway).
    bool ConfirmImage(const ChannelDatabase& db, ImageKind kind) override;
    void MalformedDataLine(const std::string& path, const MalformedLine& line) override;
    void RunFinished(const RunOutcome& outcome) override;

    // EchoSink
    void InsertText(const std::string& text) override { terminal_.Append(text); }
    void DeleteLastChar() override { terminal_.DeleteLastChar(); }
    void Beep() override {}

    // How the command ended, once it has.
    const std::optional<zev::RunOutcome>& Outcome() const { return outcome_; }
    // Called once the active run has ended.
    void OnRunFinished(std::function<void()> callback) { onRunFinished_ = std::move(callback); }

  private:
    TerminalStream& terminal_;
    std::ostream& err_;
    bool modifyDefault_ = false;
    std::optional<zev::RunOutcome> outcome_;
    std::function<void()> onRunFinished_;
};

}  // namespace zev::cli
