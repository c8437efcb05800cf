// Names in the channel database are Latin-1 bytes; texts for people and for other programs
// (reports, CSV files) are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "core/Result.h"

namespace zev {

// Each byte becomes the character of the same code (U+0000..U+00FF), written as UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// The same for a text that must stay on one line of a report: control characters (U+0000 to
// U+001F and U+007F to U+009F) and the backslash are written as \xNN instead.
std::string Latin1ToUtf8Line(std::string_view latin1);

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

// The characters of a UTF-8 text; a byte that starts no valid sequence stands as U+FFFD.
std::u32string Utf8Characters(std::string_view utf8);

// The Latin-1 bytes of a UTF-8 text, or the first character that has none (beyond U+00FF).
Result<std::string, char32_t> Utf8ToLatin1(std::string_view utf8);

}  // namespace zev
