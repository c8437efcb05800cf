#include "editing/NaturalOrder.h"

#include <algorithm>

namespace zev {

namespace {

constexpr bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The run that starts at `at`: its end.
std::size_t RunEnd(std::string_view text, std::size_t at) {
    const bool digits = IsDigit(static_cast<unsigned char>(text[at]));
    std::size_t end = at + 1;
    while (end < text.size() && IsDigit(static_cast<unsigned char>(text[end])) == digits) ++end;
    return end;
}

int Sign(int value) { return (value > 0) - (value < 0); }

// Digit runs of any length, by value (without converting them, so no run is too long), then
// the shorter first.
int CompareDigitRuns(std::string_view a, std::string_view b) {
    const std::string_view valueA = a.substr(std::min(a.find_first_not_of('0'), a.size()));
    const std::string_view valueB = b.substr(std::min(b.find_first_not_of('0'), b.size()));
    if (valueA.size() != valueB.size()) return valueA.size() < valueB.size() ? -1 : 1;
    if (const int order = valueA.compare(valueB); order != 0) return Sign(order);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

int CompareFoldedRuns(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldLatin1(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldLatin1(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

}  // namespace

int CompareNatural(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t endA = RunEnd(a, i);
        const std::size_t endB = RunEnd(b, j);
        const std::string_view runA = a.substr(i, endA - i);
        const std::string_view runB = b.substr(j, endB - j);
        const bool digitsA = IsDigit(static_cast<unsigned char>(runA[0]));
        const bool digitsB = IsDigit(static_cast<unsigned char>(runB[0]));
        int order = 0;
        if (digitsA && digitsB) {
            order = CompareDigitRuns(runA, runB);
        } else if (!digitsA && !digitsB) {
            order = CompareFoldedRuns(runA, runB);
        } else {
            // Never equal: one is a digit, the other is not (and folds to no digit).
            order = FoldLatin1(static_cast<unsigned char>(runA[0])) <
                            FoldLatin1(static_cast<unsigned char>(runB[0]))
                        ? -1
                        : 1;
        }
        if (order != 0) return order;
        i = endA;
        j = endB;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool EqualFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareFoldedRuns(a, b) == 0;
}

}  // namespace zev
