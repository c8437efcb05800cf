#include "link/LineDumpText.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace zev {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// "HH:MM:SS.mmm" and a space.
constexpr std::size_t kTimeColumnWidth = 13;
// 16 cells of two digits with a space between them.
constexpr std::size_t kHexColumnWidth = kDumpBytesPerRow * 3 - 1;

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

void AppendDumpRow(std::string& out, bool withTime, const std::string& timeText,
                   LineDirection direction, std::span<const uint8_t> rowBytes) {
    if (withTime) {
        out += timeText;
        out.append(kTimeColumnWidth - std::min(timeText.size(), kTimeColumnWidth - 1), ' ');
    }
    out += DirectionMark(direction);
    out += ' ';
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < rowBytes.size(); ++i) {
        if (i > 0) out += ' ';
        out += kHexDigits[rowBytes[i] >> 4];
        out += kHexDigits[rowBytes[i] & 0x0F];
    }
    out.append(kHexColumnWidth - (out.size() - start) + 2, ' ');
    for (const uint8_t value : rowBytes) out += Printable(value);
}

std::string DumpChunkText(LineDirection direction, LineClock::time_point time,
                          std::span<const uint8_t> bytes, bool withTime) {
    std::string out;
    out.reserve(DumpRowCount(bytes.size()) * 84);
    const std::string timeText = withTime ? TimeOfDayText(time) : std::string();
    for (std::size_t offset = 0; offset < bytes.size(); offset += kDumpBytesPerRow) {
        const std::size_t count = std::min(kDumpBytesPerRow, bytes.size() - offset);
        AppendDumpRow(out, withTime, offset == 0 ? timeText : std::string(), direction,
                      bytes.subspan(offset, count));
        out += '\n';
    }
    return out;
}

}  // namespace zev
