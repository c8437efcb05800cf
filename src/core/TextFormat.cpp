#include "core/TextFormat.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace zev {

std::string Format(const char* format, ...) {
    // A format that is not a literal may be missing: it formats to nothing. The check also
    // lets the compiler see that the format handed to vsnprintf below is never null.
    if (format == nullptr) {
        return {};
    }
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        const int written = std::vsnprintf(buffer.data(), buffer.size(), format, args);
        if (written == length) {
            text.assign(buffer.data(), static_cast<std::size_t>(length));
        }
    }
    va_end(args);
    return text;
}

}  // namespace zev
