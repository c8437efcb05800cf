#include "cli/PortCommands.h"

#include <ostream>

#include "cli/CommandTable.h"

namespace zev::cli {

namespace {

constexpr CommandUsage kCommands[] = {
    {"ports", 0, "zev-cli ports"},
};

}  // namespace

std::span<const CommandUsage> PortCommandTable() { return kCommands; }

int RunPortCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
                   const SerialPortLister& ports) {
    const CommandUsage* command = FindCommand(kCommands, options.command);
    if (command == nullptr || !ArgumentsFit(*command, options, err)) return kExitUsage;
    out << PortTableText(ports.Ports()) << std::flush;
    return kExitOk;
}

std::optional<std::string> ResolveAutoPort(const SerialPortLister& ports, std::ostream& err) {
    const std::vector<SerialPortInfo> found = ports.Ports();
    const AutoPortChoice choice = ChooseAutoPort(found);
    if (!choice.location) {
        err << "zev-cli: " << choice.problem << ". The serial ports:\n"
            << PortTableText(found) << std::flush;
        return std::nullopt;
    }
    err << "zev-cli: --port auto: " << *choice.location << std::endl;
    return choice.location;
}

}  // namespace zev::cli
