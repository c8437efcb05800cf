// Walks JSON text value by value, without building it in memory: a reader asks for what it
// expects next (an object's members, an array's elements, a string, a number) and skips what
// it does not want, so that reading a file takes memory for what the reader keeps, however
// the file is made. Strict JSON (RFC 8259) in UTF-8; nesting deeper than kMaxDepth is refused.
// The first syntax error stops the walk: every call after it fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zev {

class JsonCursor {
  public:
    static constexpr std::size_t kMaxDepth = 512;

    enum class Kind { Object, Array, String, Number, Literal, None };

    // A string's first characters (code points), and how many it has in all.
    struct Text {
        std::u32string start;
        std::size_t length = 0;
    };

    explicit JsonCursor(std::span<const uint8_t> text);

    bool Failed() const { return failed_; }
    // Where the first syntax error is (a byte offset) and what it is: an English wording of the
    // "DatabaseJson" translation context.
    std::size_t ErrorOffset() const { return errorAt_; }
    const char* ErrorWording() const { return error_; }

    // What the next value is (after white space); None at the end or at a byte no value
    // starts with.
    Kind Peek();

    // Objects: Open consumes '{'; each NextKey gives the next member's key (consuming the ':'
    // after it) or nullopt once the '}' is consumed. `first` is the caller's, true before the
    // first member. Keys keep at most `keep` characters.
    bool OpenObject();
    std::optional<Text> NextKey(bool& first, std::size_t keep = 64);
    // Arrays likewise: true when another element follows.
    bool OpenArray();
    bool NextElement(bool& first);

    std::optional<Text> String(std::size_t keep);
    // The number's text as written (checked against the JSON grammar).
    std::optional<std::string_view> Number();
    // Any value, checked and passed over.
    void SkipValue();
    // True when nothing but white space is left.
    bool AtEnd();

  private:
    void Fail(const char* what);
    void SkipSpace();
    bool Expect(char c);
    bool Literal();
    // Reads a string into `text` (at most `keep` characters kept); nullptr `text` only checks.
    bool ReadString(Text* text, std::size_t keep);
    // A member's name and the ':' after it (after white space); nullptr `key` only checks.
    bool ReadMemberName(Text* key, std::size_t keep);
    bool ReadEscape(char32_t& out);
    bool ReadUtf8(char32_t& out);
    bool ReadHex4(unsigned& out);

    std::span<const uint8_t> text_;
    std::size_t at_ = 0;
    bool failed_ = false;
    const char* error_ = "";
    std::size_t errorAt_ = 0;
};

}  // namespace zev
