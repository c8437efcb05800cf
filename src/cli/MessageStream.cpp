#include "cli/MessageStream.h"

namespace zev::cli {

namespace {

bool NeedsEscape(unsigned char c) { return (c < 0x20 && c != '\n' && c != '\t') || c == 0x7F; }

}  // namespace

ControlEscapingBuffer::int_type ControlEscapingBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    return xsputn(&character, 1) == 1 ? c : traits_type::eof();
}

std::streamsize ControlEscapingBuffer::xsputn(const char* text, std::streamsize count) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::streamsize start = 0;
    for (std::streamsize i = 0; i < count; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!NeedsEscape(c)) continue;
        if (target_->sputn(text + start, i - start) != i - start) return start;
        const char escaped[] = {'\\', 'x', kDigits[c >> 4], kDigits[c & 0xF]};
        if (target_->sputn(escaped, 4) != 4) return i;
        start = i + 1;
    }
    const std::streamsize written = target_->sputn(text + start, count - start);
    return start + written;
}

std::streambuf* UnescapedBuffer(std::ostream& stream) {
    if (const auto* escaping = dynamic_cast<ControlEscapingBuffer*>(stream.rdbuf())) {
        return escaping->Target();
    }
    return stream.rdbuf();
}

}  // namespace zev::cli
