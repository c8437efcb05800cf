#include "exchange/JsonCursor.h"

#include <vector>

#include "core/Translatable.h"

namespace zev {

namespace {

bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

}  // namespace

JsonCursor::JsonCursor(std::span<const uint8_t> text) : text_(text) {
    // A byte-order mark, as some editors put before UTF-8 text.
    if (text_.size() >= 3 && text_[0] == 0xEF && text_[1] == 0xBB && text_[2] == 0xBF) at_ = 3;
}

void JsonCursor::Fail(const char* what) {
    if (failed_) return;
    failed_ = true;
    error_ = what;
    errorAt_ = at_;
}

void JsonCursor::SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
        ++at_;
    }
}

bool JsonCursor::Expect(char c) {
    if (failed_) return false;
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == static_cast<uint8_t>(c)) {
        ++at_;
        return true;
    }
    switch (c) {
        case ':':
            Fail(ZEV_TR_NOOP("DatabaseJson", "a ':' is missing after a member's name"));
            break;
        case '{':
            Fail(ZEV_TR_NOOP("DatabaseJson", "an object is missing"));
            break;
        case '[':
            Fail(ZEV_TR_NOOP("DatabaseJson", "an array is missing"));
            break;
        default:
            Fail(ZEV_TR_NOOP("DatabaseJson", "unexpected character"));
            break;
    }
    return false;
}

JsonCursor::Kind JsonCursor::Peek() {
    if (failed_) return Kind::None;
    SkipSpace();
    if (at_ >= text_.size()) return Kind::None;
    const uint8_t c = text_[at_];
    if (c == '{') return Kind::Object;
    if (c == '[') return Kind::Array;
    if (c == '"') return Kind::String;
    if (c == '-' || IsDigit(c)) return Kind::Number;
    if (c == 't' || c == 'f' || c == 'n') return Kind::Literal;
    return Kind::None;
}

bool JsonCursor::OpenObject() { return Expect('{'); }

bool JsonCursor::OpenArray() { return Expect('['); }

std::optional<JsonCursor::Text> JsonCursor::NextKey(bool& first, std::size_t keep) {
    if (failed_) return std::nullopt;
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == '}') {
        ++at_;
        return std::nullopt;
    }
    if (!first) {
        if (at_ >= text_.size() || text_[at_] != ',') {
            Fail(at_ >= text_.size() ? ZEV_TR_NOOP("DatabaseJson", "the object is not closed")
                                     : ZEV_TR_NOOP("DatabaseJson", "a ',' or '}' is missing"));
            return std::nullopt;
        }
        ++at_;
    }
    first = false;
    Text key;
    if (!ReadMemberName(&key, keep)) return std::nullopt;
    return key;
}

bool JsonCursor::ReadMemberName(Text* key, std::size_t keep) {
    SkipSpace();
    if (at_ >= text_.size() || text_[at_] != '"') {
        Fail(ZEV_TR_NOOP("DatabaseJson", "a member's name is missing"));
        return false;
    }
    return ReadString(key, keep) && Expect(':');
}

bool JsonCursor::NextElement(bool& first) {
    if (failed_) return false;
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == ']') {
        ++at_;
        return false;
    }
    if (!first) {
        if (at_ >= text_.size() || text_[at_] != ',') {
            Fail(at_ >= text_.size() ? ZEV_TR_NOOP("DatabaseJson", "the array is not closed")
                                     : ZEV_TR_NOOP("DatabaseJson", "a ',' or ']' is missing"));
            return false;
        }
        ++at_;
    }
    first = false;
    return true;
}

std::optional<JsonCursor::Text> JsonCursor::String(std::size_t keep) {
    if (failed_) return std::nullopt;
    SkipSpace();
    Text text;
    if (!ReadString(&text, keep)) return std::nullopt;
    return text;
}

std::optional<std::string_view> JsonCursor::Number() {
    if (failed_) return std::nullopt;
    SkipSpace();
    const std::size_t start = at_;
    const auto digits = [&] {
        const std::size_t from = at_;
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
        return at_ > from;
    };
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
        ++at_;
    } else if (!digits()) {
        Fail(ZEV_TR_NOOP("DatabaseJson", "a number is malformed"));
        return std::nullopt;
    }
    if (at_ < text_.size() && text_[at_] == '.') {
        ++at_;
        if (!digits()) {
            Fail(ZEV_TR_NOOP("DatabaseJson", "a number is malformed"));
            return std::nullopt;
        }
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
        ++at_;
        if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
        if (!digits()) {
            Fail(ZEV_TR_NOOP("DatabaseJson", "a number is malformed"));
            return std::nullopt;
        }
    }
    return std::string_view(reinterpret_cast<const char*>(text_.data()) + start, at_ - start);
}

bool JsonCursor::Literal() {
    for (const std::string_view word : {"true", "false", "null"}) {
        if (text_.size() - at_ >= word.size() &&
            std::string_view(reinterpret_cast<const char*>(text_.data()) + at_, word.size()) ==
                word) {
            at_ += word.size();
            return true;
        }
    }
    Fail(ZEV_TR_NOOP("DatabaseJson", "an unknown word stands where a value belongs"));
    return false;
}

void JsonCursor::SkipValue() {
    // Open containers, innermost last: true for an object.
    std::vector<bool> open;
    for (;;) {
        // A value.
        switch (Peek()) {
            case Kind::Object:
            case Kind::Array: {
                const bool object = text_[at_] == '{';
                ++at_;
                SkipSpace();
                if (at_ < text_.size() && text_[at_] == (object ? '}' : ']')) {
                    ++at_;
                    break;
                }
                if (open.size() == kMaxDepth)
                    return Fail(ZEV_TR_NOOP("DatabaseJson", "the values are nested too deeply"));
                open.push_back(object);
                if (object && !ReadMemberName(nullptr, 0)) return;
                continue;
            }
            case Kind::String:
                if (!ReadString(nullptr, 0)) return;
                break;
            case Kind::Number:
                if (!Number()) return;
                break;
            case Kind::Literal:
                if (!Literal()) return;
                break;
            case Kind::None:
                if (failed_) return;
                return Fail(at_ >= text_.size()
                                ? ZEV_TR_NOOP("DatabaseJson", "the text ends where a value belongs")
                                : ZEV_TR_NOOP("DatabaseJson", "a value is missing"));
        }
        // What follows a value: the next member or element, or the end of its containers.
        for (;;) {
            if (open.empty()) return;
            SkipSpace();
            if (at_ >= text_.size())
                return Fail(ZEV_TR_NOOP("DatabaseJson", "the text ends inside an object or array"));
            const uint8_t c = text_[at_];
            if (c == (open.back() ? '}' : ']')) {
                ++at_;
                open.pop_back();
                continue;
            }
            if (c != ',')
                return Fail(open.back() ? ZEV_TR_NOOP("DatabaseJson", "a ',' or '}' is missing")
                                        : ZEV_TR_NOOP("DatabaseJson", "a ',' or ']' is missing"));
            ++at_;
            if (open.back() && !ReadMemberName(nullptr, 0)) return;
            break;
        }
    }
}

bool JsonCursor::AtEnd() {
    if (failed_) return false;
    SkipSpace();
    if (at_ == text_.size()) return true;
    Fail(ZEV_TR_NOOP("DatabaseJson", "more text follows the end of the JSON"));
    return false;
}

bool JsonCursor::ReadHex4(unsigned& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
        if (at_ >= text_.size()) {
            Fail(ZEV_TR_NOOP("DatabaseJson", "a \\u escape is cut short"));
            return false;
        }
        const uint8_t c = text_[at_++];
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            Fail(ZEV_TR_NOOP("DatabaseJson",
                             "a \\u escape holds a character that is no hexadecimal digit"));
            return false;
        }
        out = out * 16 + digit;
    }
    return true;
}

bool JsonCursor::ReadEscape(char32_t& out) {
    if (at_ >= text_.size()) {
        Fail(ZEV_TR_NOOP("DatabaseJson", "the text ends inside a string"));
        return false;
    }
    switch (text_[at_++]) {
        case '"':
            out = '"';
            return true;
        case '\\':
            out = '\\';
            return true;
        case '/':
            out = '/';
            return true;
        case 'b':
            out = '\b';
            return true;
        case 'f':
            out = '\f';
            return true;
        case 'n':
            out = '\n';
            return true;
        case 'r':
            out = '\r';
            return true;
        case 't':
            out = '\t';
            return true;
        case 'u':
            break;
        default:
            Fail(ZEV_TR_NOOP("DatabaseJson", "a string holds an unknown escape"));
            return false;
    }
    unsigned unit = 0;
    if (!ReadHex4(unit)) return false;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        Fail(ZEV_TR_NOOP("DatabaseJson", "a string holds half of a surrogate pair"));
        return false;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        unsigned low = 0;
        if (text_.size() - at_ < 2 || text_[at_] != '\\' || text_[at_ + 1] != 'u') {
            Fail(ZEV_TR_NOOP("DatabaseJson", "a string holds half of a surrogate pair"));
            return false;
        }
        at_ += 2;
        if (!ReadHex4(low)) return false;
        if (low < 0xDC00 || low > 0xDFFF) {
            Fail(ZEV_TR_NOOP("DatabaseJson", "a string holds half of a surrogate pair"));
            return false;
        }
        out = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        return true;
    }
    out = unit;
    return true;
}

bool JsonCursor::ReadUtf8(char32_t& out) {
    const uint8_t lead = text_[at_];
    std::size_t length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        out = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        out = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        out = lead & 0x07;
        least = 0x10000;
    } else {
        Fail(ZEV_TR_NOOP("DatabaseJson", "the text is not UTF-8"));
        return false;
    }
    if (text_.size() - at_ < length) {
        Fail(ZEV_TR_NOOP("DatabaseJson", "the text is not UTF-8"));
        return false;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const uint8_t next = text_[at_ + i];
        if ((next & 0xC0) != 0x80) {
            Fail(ZEV_TR_NOOP("DatabaseJson", "the text is not UTF-8"));
            return false;
        }
        out = (out << 6) | (next & 0x3F);
    }
    if (out < least || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) {
        Fail(ZEV_TR_NOOP("DatabaseJson", "the text is not UTF-8"));
        return false;
    }
    at_ += length;
    return true;
}

bool JsonCursor::ReadString(Text* text, std::size_t keep) {
    ++at_;  // the opening quote
    for (;;) {
        if (at_ >= text_.size()) {
            Fail(ZEV_TR_NOOP("DatabaseJson", "the text ends inside a string"));
            return false;
        }
        const uint8_t c = text_[at_];
        char32_t character = c;
        if (c == '"') {
            ++at_;
            return true;
        }
        if (c < 0x20) {
            Fail(ZEV_TR_NOOP("DatabaseJson", "a string holds a control character"));
            return false;
        }
        if (c == '\\') {
            ++at_;
            if (!ReadEscape(character)) return false;
        } else if (c >= 0x80) {
            if (!ReadUtf8(character)) return false;
        } else {
            ++at_;
        }
        if (text != nullptr) {
            if (text->start.size() < keep) text->start.push_back(character);
            ++text->length;
        }
    }
}

}  // namespace zev
