#include "core/Translatable.h"

#include <iterator>

namespace zev {

Translatable Translatable::Joined(std::string pattern, std::vector<Translatable> pieces) {
    Translatable joined(std::move(pattern));
    joined.args_ = std::move(pieces);
    return joined;
}

Translatable Translatable::Sentence(Translatable text) {
    Translatable sentence = Joined("%1", {std::move(text)});
    sentence.sentence_ = true;
    return sentence;
}

Translatable JoinedLines(std::vector<Translatable> lines) {
    // A pattern takes nine arguments: the ninth holds the lines from there on.
    constexpr std::size_t kArguments = 9;
    if (lines.size() > kArguments) {
        std::vector<Translatable> rest(std::make_move_iterator(lines.begin() + kArguments - 1),
                                       std::make_move_iterator(lines.end()));
        lines.resize(kArguments - 1);
        lines.push_back(JoinedLines(std::move(rest)));
    }
    std::string pattern;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) pattern += '\n';
        pattern += "%" + std::to_string(i + 1);
    }
    return Translatable::Joined(std::move(pattern), std::move(lines));
}

Translatable& Translatable::Arg(Translatable piece) & {
    args_.push_back(std::move(piece));
    return *this;
}

Translatable&& Translatable::Arg(Translatable piece) && {
    args_.push_back(std::move(piece));
    return std::move(*this);
}

std::string Translatable::Render(const Lookup& lookup) const {
    const std::string pattern = context_ != nullptr ? lookup(context_, pattern_.c_str()) : pattern_;
    std::vector<std::string> args;
    args.reserve(args_.size());
    for (const Translatable& arg : args_) args.push_back(arg.Render(lookup));
    std::string text = args.empty() ? pattern : FillArguments(pattern, args);
    if (sentence_) {
        if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
            text[0] = static_cast<char>(text[0] - 'a' + 'A');
        }
        text += '.';
    }
    return text;
}

std::string Translatable::English() const {
    return Render([](const char*, const char* source) { return std::string(source); });
}

std::string FillArguments(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += args[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace zev
