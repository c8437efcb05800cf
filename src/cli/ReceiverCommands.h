// zev-cli's commands that talk to a receiver: monitor, update-params, update-software, load,
// send and ota.
#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"
#include "protocols/RunOutcome.h"

namespace zev::cli {

bool IsReceiverCommand(const std::string& command);

// The exit status of a receiver command that ended with `outcome`: 0 success, 1 a run that did
// not succeed or a receiver that cannot take it, 2 a file the command refused.
int ExitStatusFor(const RunOutcome& outcome);

// Runs the command; `out` receives exactly the terminal's text of the run, `err` messages.
// Returns the exit status.
int RunReceiverCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zev::cli
