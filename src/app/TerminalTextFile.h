// Text files shown in the terminal (the file named on the command line, a recent file): read
// whole up to a limit, and with very long lines broken, since the terminal wraps a line at
// the window's edge by looking along the whole line, which takes minutes for a line of a few
// megabytes.
#pragma once

#include <QString>
#include <cstddef>

namespace terminal_text {

// The largest file shown: far more than the terminal's 20,000 lines of any usual width.
inline constexpr std::size_t kMaxFileSize = 32 * 1024 * 1024;
// Lines longer than this are shown as several lines of this length.
inline constexpr qsizetype kMaxLineLength = 1024;

// The file's text: local 8-bit, CR LF read as LF, long lines broken. Returns false (and a
// sentence in `error`) when the file cannot be read, is no regular file or is larger than
// kMaxFileSize.
bool Read(const QString& path, QString& text, QString& error);

// `text` with every line longer than `maxLength` broken into lines of `maxLength` characters
// (the last piece may be shorter); a character outside the Basic Multilingual Plane is never
// split.
QString BreakLongLines(const QString& text, qsizetype maxLength = kMaxLineLength);

}  // namespace terminal_text
