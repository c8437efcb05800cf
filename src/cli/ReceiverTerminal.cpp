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

MsgAnswer ReceiverHost::Message(const std::string& text, const std::string& caption,
                                MsgIcon /*icon*/, MsgButtons buttons, MsgAnswer defaultAnswer) {
    ++messagesShown_;
    MsgAnswer answer = MsgAnswer::Ok;
    if (buttons != MsgButtons::Ok) {
        const auto given = answers_.find(text);
        answer = given != answers_.end() ? given->second : defaultAnswer;
    }
    asked_[text] = answer;
    err_ << caption << ": " << text;
    if (buttons != MsgButtons::Ok) err_ << " [" << AnswerName(answer) << "]";
    err_ << std::endl;
    return answer;
}

bool ReceiverHost::OpenLink() {
    const bool opened = LinkRunHost::OpenLink();
    if (!opened && !LinkOpen()) linkOpenFailed_ = true;
    return opened;
}

void ReceiverHost::RunFinished(ProtocolMode /*mode*/, bool success) {
    outcome_ = success;
    if (onRunFinished_) onRunFinished_();
}

}  // namespace zev::cli
