// The terminal text as a saved log holds it: one line per line as displayed (long lines
// wrapped at the window's edge become several), CR LF line ends.
#pragma once

#include <QByteArray>

class QPlainTextEdit;

namespace terminal_log {

// The longest line written; longer displayed lines are cut.
inline constexpr int kMaxLineLength = 2411;

QByteArray Text(const QPlainTextEdit& view);

}  // namespace terminal_log
