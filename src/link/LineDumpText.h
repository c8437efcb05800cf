// The text form of the line's bytes, shared by the Line Monitor window, its saved text and
// zev-cli's --hex and --log: each piece of bytes in rows of 16, its time on its first row,
// a direction mark, the bytes in hexadecimal and the printable ones as text, side by side:
//
//   12:03:55.120 TX BB                                               .
//   12:03:55.131 RX 02 02 00 00 00 00 00 00 00 00 03                 ...........
//
// Without the time column a row starts at the direction mark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "link/LineTap.h"

namespace zev {

inline constexpr std::size_t kDumpBytesPerRow = 16;

// Rows a piece of `size` bytes takes (at least one).
std::size_t DumpRowCount(std::size_t size);

// "TX" for sent bytes, "RX" for received ones.
const char* DirectionMark(LineDirection direction);

// The local time of day with milliseconds: "12:03:55.120".
std::string TimeOfDayText(LineClock::time_point time);

// The hexadecimal column of up to 16 bytes ("02 16 03"), and the text column (printable ASCII
// as it is, every other byte as '.').
std::string HexColumn(std::span<const uint8_t> bytes);
std::string TextColumn(std::span<const uint8_t> bytes);

// One row, without its line end. `timeText` is the first row's time (empty on the rows after
// it); `withTime` says whether the time column is there at all.
void AppendDumpRow(std::string& out, bool withTime, const std::string& timeText,
                   LineDirection direction, std::span<const uint8_t> rowBytes);

// Every row of a piece, each ending with "\n".
std::string DumpChunkText(LineDirection direction, LineClock::time_point time,
                          std::span<const uint8_t> bytes, bool withTime);

}  // namespace zev
