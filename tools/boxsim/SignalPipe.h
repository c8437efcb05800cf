// Turns the signals the simulator reacts to (SIGTERM, SIGINT, SIGHUP to end, SIGUSR1 to reset)
// into bytes on a pipe, so that the main loop can poll for them with everything else.
#pragma once

#include <vector>

namespace zev::boxsim {

class SignalPipe {
  public:
    SignalPipe();
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    int readFd() const;
    // Signals that arrived since the last call, in order.
    std::vector<int> drain();
};

}  // namespace zev::boxsim
