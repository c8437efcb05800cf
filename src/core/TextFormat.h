// printf-style formatting into a std::string for terminal lines and messages; the text is never
// cut, however long.
#pragma once

#include <string>

namespace zev {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace zev
