#include "cli/ListCommands.h"

#include <ostream>

#include "cli/CommandTable.h"
#include "cli/ImageOutput.h"
#include "cli/ListCommandSteps.h"

namespace zev::cli {

namespace {

// Every input may be the JSON form, whose header takes the flash layout of --flash and --user.
constexpr CommandUsage kCommands[] = {
    {"sort", 2, "zev-cli sort IN OUT --by name|sat|freq|sid [--descending] [--list tv|radio|both]",
     "--by --descending --list --flash --user"},
    {"reorder", 3, "zev-cli reorder IN REF OUT", "--flash --user"},
    {"import", 3, "zev-cli import BASE IN.csv OUT", "--flash --user"},
    {"transponders-export", 2, "zev-cli transponders-export IN OUT.xml [--position NAME=POS]...",
     "--position --flash --user"},
    {"transponders-import", 3,
     "zev-cli transponders-import IN XML OUT [--position NAME=POS]... [--remove-missing]",
     "--position --remove-missing --flash --user"},
};

}  // namespace

std::span<const CommandUsage> ListCommandTable() { return kCommands; }

int RunListCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const CommandUsage* command = FindCommand(kCommands, options.command);
    if (command == nullptr) {
        return ReportFileError(err, "unknown command \"" + options.command + "\"");
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
