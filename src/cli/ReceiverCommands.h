// zev-cli's commands that talk to a receiver: monitor, update-params, update-software, load,
// send and ota.
#pragma once

#include <iosfwd>
#include <span>

#include "cli/CliOptions.h"
#include "settings/SerialPortList.h"

namespace zev::cli {

struct CommandUsage;

// monitor, update-params, update-software, load, send and ota.
std::span<const CommandUsage> ReceiverCommandTable();

// Runs the command; `out` receives exactly the terminal's text of the run (with `monitor
// --hex`, the line's bytes instead), `err` messages. `--port auto` looks through `ports`.
// Returns the exit status.
int RunReceiverCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
                       const SerialPortLister& ports);
int RunReceiverCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zev::cli
