// The commands of zev-cli as tables: a name, the number of arguments, the usage line and the
// options the command takes.
#pragma once

#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "cli/CliOptions.h"

namespace zev::cli {

struct CommandUsage {
    const char* name;
    std::size_t arguments;
    const char* usage;  // the whole usage line
    // The options the command takes, as "--name" separated by spaces; any other option
    // (except --help and --version) is refused with it.
    const char* options = "";
};

// The options every receiver command takes.
#define ZEV_CLI_PORT_OPTIONS "--port --baud --timeout --log"

inline const CommandUsage* FindCommand(std::span<const CommandUsage> table,
                                       const std::string& name) {
    for (const CommandUsage& command : table) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

// Whether `option` ("--json") is one of the command's options.
bool TakesOption(const CommandUsage& command, const std::string& option);

// False (with the usage line on `err`) when the command got the wrong number of arguments.
inline bool ArgumentsFit(const CommandUsage& command, const CliOptions& options,
                         std::ostream& err) {
    if (options.args.size() == command.arguments) return true;
    err << "usage: " << command.usage << '\n';
    return false;
}

}  // namespace zev::cli
