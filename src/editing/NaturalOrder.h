// The order in which people expect names to be listed: "News 2" before "News 10", letters
// without regard to case. Names are Latin-1 bytes.
#pragma once

#include <string_view>

namespace zev {

// A Latin-1 letter in lower case: A-Z and À-Þ (but not ×) become a-z and à-þ; any other byte
// stays as it is.
constexpr unsigned char FoldLatin1(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    return c;
}

// Each name is split into runs of digits and runs of other bytes, and the runs are compared in
// turn: other runs byte by byte after folding (a run that is the start of the other comes
// first), digit runs by their value and, for the same value, the shorter first ("7" before
// "007"); a digit run and another run by their first bytes. Negative when `a` comes first,
// positive when `b` does, 0 when neither.
int CompareNatural(std::string_view a, std::string_view b);

// The two texts are the same but for the case of Latin-1 letters.
bool EqualFolded(std::string_view a, std::string_view b);

}  // namespace zev
