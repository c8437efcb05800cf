#include "core/Translatable.h"

namespace zev {

Translatable Translatable::Joined(std::string pattern, std::vector<Translatable> pieces) {
    Translatable joined(std::move(pattern));
    joined.args_ = std::move(pieces);
    return joined;
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
    if (args_.empty()) return pattern;
    std::vector<std::string> args;
    args.reserve(args_.size());
    for (const Translatable& arg : args_) args.push_back(arg.Render(lookup));
    return FillArguments(pattern, args);
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
