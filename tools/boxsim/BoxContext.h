// What every exchange of the receiver works with: its transmitter, its flash, its options and
// the verbose log.
#pragma once

#include <functional>
#include <string>

#include "BoxOptions.h"
#include "FlashMemory.h"
#include "Transmitter.h"

namespace zev::boxsim {

using Logger = std::function<void(const std::string&)>;

struct BoxContext {
    Transmitter& out;
    FlashMemory& flash;
    const BoxOptions& options;
    Logger log;

    bool fault(Fault which) const { return options.faults.has(which); }
};

}  // namespace zev::boxsim
