// Saving the terminal text as a log: one line per line as displayed (long lines wrapped at
// the window's edge become several), CR LF line ends.
#pragma once

#include <QString>

class QPlainTextEdit;

namespace terminal_log {

// The longest line written; longer displayed lines are cut.
inline constexpr int kMaxLineLength = 2411;

// Returns false when the file could not be created or not be written completely.
bool Write(const QPlainTextEdit& view, const QString& path);

}  // namespace terminal_log
