// Ctrl+C (and termination) while zev-cli talks to a receiver: from the moment a receiver
// command starts, the signal only sets a flag, which the command looks at before its run
// starts and its event loop looks at while the run goes on, so that the command ends as it
// would end otherwise: the port closed, an unfinished transfer named, no temporary file left.
#pragma once

namespace zev::cli {

class InterruptGuard {
  public:
    // Catches the signals until destroyed, then restores what was there before.
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // Whether a signal came since the guard was made.
    static bool Interrupted();

  private:
    void (*previousInt_)(int);
    void (*previousTerm_)(int);
};

}  // namespace zev::cli
