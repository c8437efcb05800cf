// Saving the terminal text as a log: one line per line as displayed (long lines wrapped at
// the window's edge become several), CR LF line ends.
#pragma once

#include <string>

class QPlainTextEdit;

namespace zev {
struct FileError;
}

namespace terminal_log {

// The longest line written; longer displayed lines are cut.
inline constexpr int kMaxLineLength = 2411;

// Writes the log as a new file that replaces `path` only once it is complete, so a failure
// leaves an existing file as it was. False (and `error`) when it could not be written or
// `path` may not be replaced (no regular file, read-only).
bool Write(const QPlainTextEdit& view, const std::string& path, zev::FileError& error);

}  // namespace terminal_log
