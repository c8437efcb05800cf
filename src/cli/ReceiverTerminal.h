// zev-cli's stand-in for the terminal view: the run's terminal text goes to standard output
// with plain line feeds, message boxes go to standard error and are answered from a fixed
// table (a command line cannot ask), and the serial half comes from LinkRunHost.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>

#include "link/LinkRunHost.h"
#include "protocols/TerminalFeed.h"

namespace zev::cli {

// Text appended at the end of a terminal that is a stream. A stream cannot take characters
// back, so a backspace must reach the text before it is written: when `interactive` is false
// the unfinished last line is held until its line feed (or Flush), which keeps the output
// exactly the terminal's text; on a console text is shown at once and a backspace is drawn
// as one.
class TerminalStream {
  public:
    TerminalStream(std::ostream& out, bool interactive) : out_(out), interactive_(interactive) {}
    void Append(const std::string& text);
    void DeleteLastChar();
    // Writes what is held back and ends the text with a line feed, as command-line output
    // ends, when it does not already end with one.
    void Finish();

  private:
    std::ostream& out_;
    bool interactive_;
    std::string unfinishedLine_;
    bool atLineStart_ = true;  // nothing written yet, or the last character was a line feed
};

class ReceiverHost : public LinkRunHost, public EchoSink {
  public:
    ReceiverHost(SerialLink& link, TerminalStream& terminal, std::ostream& err)
        : LinkRunHost(link), terminal_(terminal), err_(err) {}

    // The answer given to the question `text`; questions without one get their default.
    void Answer(const std::string& text, MsgAnswer answer) { answers_[text] = answer; }

    // RunHost
    void AppendText(const std::string& text) override { terminal_.Append(text); }
    MsgAnswer Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons, MsgAnswer defaultAnswer) override;
    bool OpenLink() override;
    void RunFinished(ProtocolMode mode, bool success) override;

    // EchoSink
    void InsertText(const std::string& text) override { terminal_.Append(text); }
    void DeleteLastChar() override { terminal_.DeleteLastChar(); }
    void Beep() override {}

    // What happened, for the exit status.
    bool LinkOpenFailed() const { return linkOpenFailed_; }
    int MessagesShown() const { return messagesShown_; }
    bool WasAsked(const std::string& text) const { return asked_.count(text) != 0; }
    std::optional<bool> RunOutcome() const { return outcome_; }
    // Called once the active run has ended.
    void OnRunFinished(std::function<void()> callback) { onRunFinished_ = std::move(callback); }

  private:
    TerminalStream& terminal_;
    std::ostream& err_;
    std::map<std::string, MsgAnswer> answers_;
    std::map<std::string, MsgAnswer> asked_;
    bool linkOpenFailed_ = false;
    int messagesShown_ = 0;
    std::optional<bool> outcome_;
    std::function<void()> onRunFinished_;
};

}  // namespace zev::cli
