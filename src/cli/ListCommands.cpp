#include "cli/ListCommands.h"

#include <ostream>

#include "cli/CommandTable.h"
#include "cli/ListCommandSteps.h"

namespace zev::cli {

namespace {

constexpr CommandUsage kCommands[] = {
    {"sort", 2, "zev-cli sort IN OUT --by name|sat|freq|sid [--descending] [--list tv|radio|both]"},
    {"reorder", 3, "zev-cli reorder IN REF OUT"},
    {"import", 3, "zev-cli import BASE IN.csv OUT"},
    {"transponders-export", 2, "zev-cli transponders-export IN OUT.xml [--position NAME=POS]..."},
    {"transponders-import", 3,
     "zev-cli transponders-import IN XML OUT [--position NAME=POS]... [--remove-missing]"},
};

}  // namespace

bool IsListCommand(const std::string& command) {
    return FindCommand(kCommands, command) != nullptr;
}

std::string MisplacedListOption(const CliOptions& options) {
    const std::string& command = options.command;
    if ((options.sortBy || options.descending || options.list) && command != "sort") {
        return "--by, --descending and --list belong to sort";
    }
    if (!options.positions.empty() && command != "transponders-export" &&
        command != "transponders-import") {
        return "--position belongs to transponders-export and transponders-import";
    }
    if (options.removeMissing && command != "transponders-import") {
        return "--remove-missing belongs to transponders-import";
    }
    return "";
}

int RunListCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const CommandUsage* command = FindCommand(kCommands, options.command);
    if (command == nullptr) {
        return ListUsageError(err, "unknown command \"" + options.command + "\"");
    }
    if (!ArgumentsFit(*command, options, err)) return kExitUsage;
    if (options.command == "sort") return SortCommand(options, out, err);
    if (options.command == "reorder") return ReorderCommand(options, out, err);
    if (options.command == "import") return ImportCommand(options, out, err);
    if (options.command == "transponders-export") {
        return TranspondersExportCommand(options, out, err);
    }
    return TranspondersImportCommand(options, out, err);
}

}  // namespace zev::cli
