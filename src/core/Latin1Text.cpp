#include "core/Latin1Text.h"

#include <algorithm>

namespace zev {

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string text;
    text.reserve(latin1.size() * 2);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string Latin1ToUtf8Line(std::string_view latin1) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0) || byte == '\\') {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        } else {
            text += Latin1ToUtf8(std::string_view(&c, 1));
        }
    }
    return text;
}

namespace {

// The character that starts at `at`: its code and length, or length 0 when no valid UTF-8
// sequence starts there.
struct Decoded {
    char32_t code = 0;
    std::size_t length = 0;
};

Decoded DecodeAt(std::string_view utf8, std::size_t at) {
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
    } else {
        return {};
    }
    if (at + length > utf8.size()) return {};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) return {};
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Decoded decoded = DecodeAt(text, i);
        if (decoded.length == 0) return false;
        i += decoded.length;
    }
    return true;
}

std::u32string Utf8Characters(std::string_view utf8) {
    std::u32string characters;
    characters.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded decoded = DecodeAt(utf8, i);
        characters += decoded.length > 0 ? decoded.code : U'\uFFFD';
        i += std::max<std::size_t>(decoded.length, 1);
    }
    return characters;
}

Result<std::string, char32_t> Utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    for (const char32_t c : Utf8Characters(utf8)) {
        if (c > 0xFF) return Failure(c);
        latin1 += static_cast<char>(c);
    }
    return latin1;
}

}  // namespace zev
