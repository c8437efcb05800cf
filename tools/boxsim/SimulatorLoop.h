// Runs the simulated receiver on a pseudo-terminal until it is told to end.
#pragma once

#include "BoxOptions.h"
#include "FlashMemory.h"

namespace zev::boxsim {

// Returns the process exit status.
int runSimulator(const BoxOptions& options, FlashMemory& flash);

}  // namespace zev::boxsim
