#include "cli/CliMain.h"

#include <ostream>

#include "ZevVersion.h"
#include "cli/CliOptions.h"
#include "cli/CommandTable.h"
#include "cli/DatabaseCommands.h"
#include "cli/FileCommands.h"
#include "cli/ListCommands.h"
#include "cli/MessageStream.h"
#include "cli/PortCommands.h"
#include "cli/ReceiverCommands.h"
#include "link/SystemPortLister.h"

namespace zev::cli {

namespace {

int UsageError(std::ostream& err, const std::string& message) {
    err << "zev-cli: " << message << "\nTry 'zev-cli --help'.\n";
    return kExitUsage;
}

// Every command's table, in the order --help lists them.
using CommandTableOf = std::span<const CommandUsage> (*)();
constexpr CommandTableOf kTables[] = {FileCommandTable, DatabaseCommandTable, ListCommandTable,
                                      PortCommandTable, ReceiverCommandTable};

const CommandUsage* FindAnyCommand(const std::string& name) {
    for (const CommandTableOf table : kTables) {
        if (const CommandUsage* command = FindCommand(table(), name)) return command;
    }
    return nullptr;
}

// "--json belongs to dump, check and diff"; the receiver commands are named as such when
// the option is one of theirs.
std::string BelongsTo(const std::string& option) {
    std::vector<std::string> owners;
    bool everyReceiverCommand = true;
    for (const CommandUsage& command : ReceiverCommandTable()) {
        everyReceiverCommand = everyReceiverCommand && TakesOption(command, option);
    }
    for (const CommandTableOf table : kTables) {
        if (table == ReceiverCommandTable && everyReceiverCommand) {
            owners.push_back("the receiver commands");
            continue;
        }
        for (const CommandUsage& command : table()) {
            if (TakesOption(command, option)) owners.push_back(command.name);
        }
    }
    std::string text = option + " belongs to ";
    for (std::size_t i = 0; i < owners.size(); ++i) {
        if (i > 0) text += i + 1 == owners.size() ? " and " : ", ";
        text += owners[i];
    }
    return text;
}

// An option the command does not take is refused, naming the commands it belongs to.
std::string MisplacedOption(const CommandUsage& command, const CliOptions& options) {
    for (const std::string& option : options.named) {
        if (!IsGeneralOption(option) && !TakesOption(command, option)) return BelongsTo(option);
    }
    return MissingCompanion(options);
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const SystemPortLister systemPorts;
    return RunCli(arguments, out, err, systemPorts);
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& rawErr,
           const SerialPortLister& ports) {
    ControlEscapingBuffer escaping(rawErr.rdbuf());
    std::ostream err(&escaping);
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
    const CommandUsage* command = FindAnyCommand(options.command);
    if (command == nullptr) return UsageError(err, "unknown command \"" + options.command + "\"");
    if (const std::string misplaced = MisplacedOption(*command, options); !misplaced.empty()) {
        return UsageError(err, misplaced);
    }
    if (FindCommand(FileCommandTable(), command->name)) return RunFileCommand(options, out, err);
    if (FindCommand(DatabaseCommandTable(), command->name)) {
        return RunDatabaseCommand(options, out, err);
    }
    if (FindCommand(ListCommandTable(), command->name)) return RunListCommand(options, out, err);
    if (FindCommand(PortCommandTable(), command->name)) {
        return RunPortCommand(options, out, err, ports);
    }
    return RunReceiverCommand(options, out, err, ports);
}

}  // namespace zev::cli
