// A text meant for a person at the program's windows, kept as its English wording with the
// arguments to fill in, so that each side shows it its own way: zev-cli, the terminal and the
// tests read it in English; the desktop program looks the wording up in its translation
// catalogue (under `context`) before it fills in the arguments, which are translated the same
// way when they are texts of their own.
//
// ZEV_TR("Context", "English wording with %1") marks a wording where it is written; the
// catalogue's tool (lupdate) finds it there as it finds Qt's QT_TRANSLATE_NOOP, and
// ZEV_TR_NOOP the same way. Wordings fill
// in %1 to %9; names, numbers and file names are verbatim arguments, never translated.
#pragma once

#include <concepts>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

class Translatable {
  public:
    // Looks up one wording: (context, English wording) -> wording to show, in UTF-8.
    using Lookup = std::function<std::string(const char* context, const char* source)>;

    Translatable() = default;
    // A wording of the program, to be translated.
    Translatable(const char* context, const char* source) : context_(context), pattern_(source) {}
    // A text that is never translated (a name, a number, a line from a file), in UTF-8.
    Translatable(std::string verbatim) : pattern_(std::move(verbatim)) {}  // NOLINT: implicit
    Translatable(const char* verbatim) : pattern_(verbatim) {}             // NOLINT: implicit

    // Pieces joined by a pattern that has no words of its own ("%1\n%2"): not translated, its
    // pieces are.
    static Translatable Joined(std::string pattern, std::vector<Translatable> pieces);
    // The text as a sentence of its own: its first letter a capital, a full stop after it.
    static Translatable Sentence(Translatable text);

    // The next argument (%1, then %2, ...).
    Translatable& Arg(Translatable piece) &;
    Translatable&& Arg(Translatable piece) &&;
    template <std::integral Number>
    Translatable& Arg(Number n) & {
        return Arg(Translatable(std::to_string(n)));
    }
    template <std::integral Number>
    Translatable&& Arg(Number n) && {
        return std::move(Arg(Translatable(std::to_string(n))));
    }

    bool Empty() const { return pattern_.empty() && args_.empty(); }
    // The catalogue's context, or nullptr for a text that is not translated.
    const char* Context() const { return context_; }
    const std::string& Pattern() const { return pattern_; }
    const std::vector<Translatable>& Args() const { return args_; }

    // The text with its arguments filled in, each wording as `lookup` gives it.
    std::string Render(const Lookup& lookup) const;
    std::string English() const;

  private:
    const char* context_ = nullptr;
    std::string pattern_;
    std::vector<Translatable> args_;
    bool sentence_ = false;
};

// The texts one below the other.
Translatable JoinedLines(std::vector<Translatable> lines);

// `pattern` with %1 to %9 replaced by `args` (a marker without an argument stays as it is). An
// argument's own text is never searched for markers again.
std::string FillArguments(std::string_view pattern, const std::vector<std::string>& args);

// Tests and zev-cli compare and print the English text.
inline bool operator==(const Translatable& text, std::string_view english) {
    return english.compare(text.English()) == 0;
}
inline std::ostream& operator<<(std::ostream& out, const Translatable& text) {
    return out << text.English();
}

}  // namespace zev

#define ZEV_TR(context, source) ::zev::Translatable(context, source)
// Marks a wording kept as a plain string (a table entry) that is made a Translatable under the
// same context where it is used.
#define ZEV_TR_NOOP(context, source) source
