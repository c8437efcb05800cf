// Runs Qt's event loop for zev-cli while it talks to a receiver, until the run ends, the
// receiver stays silent too long, the user interrupts (Ctrl+C) or the link is lost.
#pragma once

namespace zev {
class SerialLink;
}

namespace zev::cli {

class ReceiverHost;

enum class LoopEnd { RunFinished, TimedOut, Interrupted, LinkLost };

// Ctrl+C ends the loop only under an InterruptGuard. `silenceSeconds`: give up after that long
// without a byte from the receiver; 0 waits for ever. With `untilRunFinished` false (monitor) only
// the other three end the loop.
LoopEnd RunReceiverLoop(SerialLink& link, ReceiverHost& host, int silenceSeconds,
                        bool untilRunFinished);

}  // namespace zev::cli
