// A text line of fixed columns: starts as spaces; each field is copied in at its column
// without a terminator, so a field longer than its room overwrites the start of the next one,
// and a field reaching past the end lengthens the line.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zev {

class FixedColumnLine {
  public:
    explicit FixedColumnLine(std::size_t width) : text_(width, ' ') {}

    FixedColumnLine& Put(std::size_t column, std::string_view field) {
        if (column + field.size() > text_.size()) text_.resize(column + field.size(), ' ');
        text_.replace(column, field.size(), field);
        return *this;
    }
    FixedColumnLine& Put(std::size_t column, unsigned number) {
        return Put(column, std::to_string(number));
    }

    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// A 13-byte name field up to its first NUL (at most 12 characters).
template <std::size_t N>
std::string_view NameOf(const std::array<char, N>& field) {
    std::size_t length = 0;
    while (length + 1 < N && field[length] != '\0') ++length;
    return std::string_view(field.data(), length);
}

}  // namespace zev
