// zev-cli's commands that talk to a receiver: monitor, update-params, update-software, load,
// send and ota.
#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"

namespace zev::cli {

bool IsReceiverCommand(const std::string& command);

// Runs the command; `out` receives exactly the terminal's text of the run, `err` messages.
// Returns the exit status.
int RunReceiverCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zev::cli
