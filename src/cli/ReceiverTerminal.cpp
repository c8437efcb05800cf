#include "cli/ReceiverTerminal.h"

#include <ostream>

#include "editing/DatabaseCheck.h"

namespace zev::cli {

namespace {

const char* AnswerName(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Ok:
            return "OK";
        case MsgAnswer::Yes:
            return "Yes";
        case MsgAnswer::No:
            return "No";
        case MsgAnswer::Cancel:
            return "Cancel";
    }
    return "?";
}

// A message box or question as a line of zev-cli's: "zev-cli: Caption: text", the caption
// left out when it is only the program's title.
std::string MessageLine(const std::string& caption, const std::string& text) {
    return "zev-cli: " + (caption == "zev" ? std::string() : caption + ": ") + text;
}

}  // namespace

void TerminalStream::Append(const std::string& text) {
    if (text.empty()) return;
    out_ << text << std::flush;
    atLineStart_ = text.back() == '\n';
}

void TerminalStream::DeleteLastChar() {
    // A line end already written stays: the lines before it are out of reach.
    out_ << "\b \b" << std::flush;
    atLineStart_ = false;
}

void TerminalStream::Finish() {
    if (!atLineStart_) out_ << '\n';
    out_.flush();
    atLineStart_ = true;
}

// A box the runs show (never a question: those come through Ask), with its default answer.
MsgAnswer ReceiverHost::Message(const Translatable& text, const Translatable& caption,
                                MsgIcon /*icon*/, MsgButtons buttons, MsgAnswer defaultAnswer) {
    err_ << MessageLine(caption.English(), text.English());
    if (buttons != MsgButtons::Ok) err_ << " [" << AnswerName(defaultAnswer) << "]";
    err_ << std::endl;
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : defaultAnswer;
}

MsgAnswer ReceiverHost::Ask(RunQuestion question) {
    MsgAnswer answer = MsgAnswer::No;
    switch (question) {
        case RunQuestion::ModifyDefaultChannels:
            answer = modifyDefault_ ? MsgAnswer::Yes : MsgAnswer::No;
            break;
        case RunQuestion::TooManyChannels:
            // The user area alone is not what --default asked for: the send is refused.
            answer = MsgAnswer::No;
            break;
    }
    const QuestionWording wording = WordingOf(question);
    err_ << MessageLine(wording.caption, wording.text) << " [" << AnswerName(answer) << "]"
         << std::endl;
    return answer;
}

bool ReceiverHost::ConfirmImage(const ChannelDatabase& db, ImageKind kind) {
    const CheckResult checked = CheckDatabase(db, kind);
    if (!checked.HasErrors()) return true;
    for (const CheckFinding& finding : checked.findings) {
        if (finding.Severity() == CheckSeverity::Error) err_ << FindingLine(finding) << '\n';
    }
    err_ << "zev-cli: nothing is sent: the image has errors the receiver would misread"
         << std::endl;
    return false;
}

void ReceiverHost::MalformedDataLine(const std::string& path, const MalformedLine& line) {
    err_ << "zev-cli: " << path << ":" << MalformedLineText(line) << std::endl;
}

void ReceiverHost::RunFinished(const RunOutcome& outcome) {
    outcome_ = outcome;
    if (onRunFinished_) onRunFinished_();
}

}  // namespace zev::cli
