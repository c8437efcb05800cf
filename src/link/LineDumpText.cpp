#include "link/LineDumpText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace zev {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// "HH:MM:SS.mmm" and a space.
constexpr std::size_t kTimeColumnWidth = 13;

char Printable(uint8_t value) {
    return value >= 0x20 && value < 0x7F ? static_cast<char>(value) : '.';
}

}  // namespace

std::size_t DumpRowCount(std::size_t size) {
    return size == 0 ? 1 : (size + kDumpBytesPerRow - 1) / kDumpBytesPerRow;
}

const char* DirectionMark(LineDirection direction) {
    return direction == LineDirection::Sent ? "TX" : "RX";
}

std::string TimeOfDayText(LineClock::time_point time) {
    const auto sinceEpoch = time.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch - seconds).count();
    const std::time_t whole = static_cast<std::time_t>(seconds.count());
    std::tm local{};
    localtime_r(&whole, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min,
                  local.tm_sec, static_cast<int>(millis));
    return text;
}

std::string HexColumn(std::span<const uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) out += ' ';
        out += kHexDigits[bytes[i] >> 4];
        out += kHexDigits[bytes[i] & 0x0F];
    }
    return out;
}

std::string TextColumn(std::span<const uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const uint8_t value : bytes) out += Printable(value);
    return out;
}

namespace {

// Each byte's hexadecimal cell with the space after it, so a row is written by whole cells.
struct HexCells {
    std::array<std::array<char, 3>, 256> cells{};
    HexCells() {
        for (int value = 0; value < 256; ++value) {
            cells[value] = {kHexDigits[value >> 4], kHexDigits[value & 0x0F], ' '};
        }
    }
};
const HexCells kCells;

// Writes one row at `at` (which has room for kMaxRowLength) and returns the end.
char* WriteRow(char* at, bool withTime, const std::string& timeText, LineDirection direction,
               std::span<const uint8_t> rowBytes) {
    if (withTime) {
        std::memset(at, ' ', kTimeColumnWidth);
        std::memcpy(at, timeText.data(), std::min(timeText.size(), kTimeColumnWidth - 1));
        at += kTimeColumnWidth;
    }
    std::memcpy(at, DirectionMark(direction), 2);
    at[2] = ' ';
    at += 3;
    // 16 cells of "XX " (blank where the row ends early), one more space, then the text.
    std::memset(at, ' ', kDumpBytesPerRow * 3 + 1);
    for (const uint8_t value : rowBytes) {
        std::memcpy(at, kCells.cells[value].data(), 3);
        at += 3;
    }
    at += (kDumpBytesPerRow - rowBytes.size()) * 3 + 1;
    for (const uint8_t value : rowBytes) *at++ = Printable(value);
    return at;
}

constexpr std::size_t kMaxRowLength = kTimeColumnWidth + 3 + kDumpBytesPerRow * 4 + 1;

}  // namespace

void AppendDumpRow(std::string& out, bool withTime, const std::string& timeText,
                   LineDirection direction, std::span<const uint8_t> rowBytes) {
    const std::size_t start = out.size();
    out.resize(start + kMaxRowLength);
    char* end = WriteRow(out.data() + start, withTime, timeText, direction,
                         rowBytes.first(std::min(rowBytes.size(), kDumpBytesPerRow)));
    out.resize(static_cast<std::size_t>(end - out.data()));
}

std::string DumpChunkText(LineDirection direction, LineClock::time_point time,
                          std::span<const uint8_t> bytes, bool withTime) {
    std::string out(DumpRowCount(bytes.size()) * (kMaxRowLength + 1), '\0');
    const std::string timeText = withTime ? TimeOfDayText(time) : std::string();
    const std::string noTime;
    char* at = out.data();
    for (std::size_t offset = 0; offset < bytes.size(); offset += kDumpBytesPerRow) {
        const std::size_t count = std::min(kDumpBytesPerRow, bytes.size() - offset);
        at = WriteRow(at, withTime, offset == 0 ? timeText : noTime, direction,
                      bytes.subspan(offset, count));
        *at++ = '\n';
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return out;
}

}  // namespace zev
