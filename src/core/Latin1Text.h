// Names in the channel database are Latin-1 bytes; texts for people and for other programs
// (reports, CSV files) are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zev {

// Each byte becomes the character of the same code (U+0000..U+00FF), written as UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// The same for a text that must stay on one line of a report: control characters (U+0000 to
// U+001F and U+007F to U+009F) and the backslash are written as \xNN instead.
std::string Latin1ToUtf8Line(std::string_view latin1);

}  // namespace zev
