#include "cli/CliMain.h"

#include <ostream>

#include "ZevVersion.h"
#include "cli/CliOptions.h"
#include "cli/DatabaseCommands.h"
#include "cli/FileCommands.h"
#include "cli/ListCommands.h"
#include "cli/PortCommands.h"
#include "cli/ReceiverCommands.h"
#include "link/SystemPortLister.h"

namespace zev::cli {

namespace {

int UsageError(std::ostream& err, const std::string& message) {
    err << "zev-cli: " << message << "\nTry 'zev-cli --help'.\n";
    return kExitUsage;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const SystemPortLister systemPorts;
    return RunCli(arguments, out, err, systemPorts);
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const SerialPortLister& ports) {
    const CliParse parse = ParseCliOptions(arguments);
    if (!parse.error.empty()) return UsageError(err, parse.error);
    const CliOptions& options = parse.options;
    if (options.help) {
        out << CliHelpText();
        return kExitOk;
    }
    if (options.version) {
        out << "zev-cli " << kVersion << '\n';
        return kExitOk;
    }
    if (options.command.empty()) return UsageError(err, "no command given");
    if (const std::string misplaced = MisplacedListOption(options); !misplaced.empty()) {
        return UsageError(err, misplaced);
    }
    if (IsListCommand(options.command)) return RunListCommand(options, out, err);
    if (IsFileCommand(options.command)) return RunFileCommand(options, out, err);
    if (IsDatabaseCommand(options.command)) return RunDatabaseCommand(options, out, err);
    if (IsPortCommand(options.command)) return RunPortCommand(options, out, err, ports);
    if (IsReceiverCommand(options.command)) return RunReceiverCommand(options, out, err, ports);
    return UsageError(err, "unknown command \"" + options.command + "\"");
}

}  // namespace zev::cli
