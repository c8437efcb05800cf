// Where the receiver controller's terminal text goes: the lines the runs report and what the
// receiver sends outside settings transfers. The terminal view is the program's sink; a test
// may keep the text in a string.
#pragma once

#include <QByteArray>

#include "protocols/TerminalFeed.h"

class TerminalSink : public zev::EchoSink {
  public:
    // The text as a saved log holds it (lines as displayed, CR LF line ends).
    virtual QByteArray LogText() const = 0;
};
