// zev-cli's port list: the `ports` command, and the port that `--port auto` stands for.
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "cli/CliOptions.h"
#include "settings/SerialPortList.h"

namespace zev::cli {

struct CommandUsage;

// ports.
std::span<const CommandUsage> PortCommandTable();

// `ports`: the serial ports the system reports, as a table.
int RunPortCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
                   const SerialPortLister& ports);

// The port `--port auto` stands for: the only USB serial adapter, named on `err`. nullopt,
// after the reason and the list of ports on `err`, when there is none or more than one.
std::optional<std::string> ResolveAutoPort(const SerialPortLister& ports, std::ostream& err);

}  // namespace zev::cli
