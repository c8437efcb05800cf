// The status bar's times, "%H:%M:%S": the clock and the time a run has taken.
#pragma once

#include <QString>

inline QString ClockText(int hours, int minutes, int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}
