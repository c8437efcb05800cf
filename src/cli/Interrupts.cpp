#include "cli/Interrupts.h"

#include <csignal>

namespace zev::cli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int) { gInterrupted = 1; }

}  // namespace

InterruptGuard::InterruptGuard() {
    gInterrupted = 0;
    previousInt_ = std::signal(SIGINT, OnInterrupt);
    previousTerm_ = std::signal(SIGTERM, OnInterrupt);
}

InterruptGuard::~InterruptGuard() {
    std::signal(SIGINT, previousInt_);
    std::signal(SIGTERM, previousTerm_);
}

bool InterruptGuard::Interrupted() { return gInterrupted != 0; }

}  // namespace zev::cli
