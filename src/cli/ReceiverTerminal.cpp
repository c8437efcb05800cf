#include "cli/ReceiverTerminal.h"

#include <ostream>

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

}  // namespace

void TerminalStream::Append(const std::string& text) {
    if (text.empty()) return;
    if (interactive_) {
        out_ << text << std::flush;
        atLineStart_ = text.back() == '\n';
        return;
    }
    unfinishedLine_ += text;
    const auto lastLineEnd = unfinishedLine_.rfind('\n');
    if (lastLineEnd == std::string::npos) return;
    out_.write(unfinishedLine_.data(), static_cast<std::streamsize>(lastLineEnd + 1));
    out_.flush();
    atLineStart_ = true;
    unfinishedLine_.erase(0, lastLineEnd + 1);
}

void TerminalStream::DeleteLastChar() {
    if (interactive_) {
        out_ << "\b \b" << std::flush;
        atLineStart_ = false;
    } else if (!unfinishedLine_.empty()) {
        unfinishedLine_.pop_back();
    }
    // A line end already written stays: the lines before it are out of reach.
}

void TerminalStream::Finish() {
    if (!unfinishedLine_.empty()) atLineStart_ = false;
    out_ << unfinishedLine_;
    unfinishedLine_.clear();
    if (!atLineStart_) out_ << '\n';
    out_.flush();
    atLineStart_ = true;
}

// A box the runs show (never a question: those come through Ask), with its default answer.
MsgAnswer ReceiverHost::Message(const std::string& text, const std::string& caption,
                                MsgIcon /*icon*/, MsgButtons buttons, MsgAnswer defaultAnswer) {
    err_ << caption << ": " << text;
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
    err_ << wording.caption << ": " << wording.text << " [" << AnswerName(answer) << "]"
         << std::endl;
    return answer;
}

void ReceiverHost::MalformedDataLine(const std::string& path, const MalformedLine& line) {
    err_ << "zev-cli: " << path << ":" << MalformedLineText(line) << std::endl;
}

void ReceiverHost::RunFinished(const RunOutcome& outcome) {
    outcome_ = outcome;
    if (onRunFinished_) onRunFinished_();
}

}  // namespace zev::cli
