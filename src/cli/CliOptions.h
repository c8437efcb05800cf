// zev-cli's command line, parsed: options may stand before or after the command.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zev::cli {

struct CliOptions {
    std::string command;                // dump, build, convert, monitor, update-params, ...
    std::vector<std::string> args;      // the command's positional arguments
    bool json = false;                  // dump --json
    std::optional<int> flash;           // --flash N (flash size index of default.dat)
    std::optional<int> user;            // --user N (user-parameter size index)
    std::optional<std::string> port;    // --port NAME
    std::optional<int> baud;            // --baud N
    int timeoutSeconds = 60;            // --timeout S; 0 waits for ever, at most kMaxTimeoutSeconds
    bool modifyDefault = false;         // send --default
    bool verify = false;                // send --verify
    std::optional<std::string> backup;  // send --backup FILE
    bool hex = false;                   // monitor --hex
    bool timestamps = false;            // monitor --timestamps (with --hex)
    std::optional<std::string> log;     // --log FILE (receiver commands)
    std::optional<std::string> sortBy;  // sort --by KEY
    bool descending = false;            // sort --descending
    std::optional<std::string> list;    // sort --list tv|radio|both
    std::vector<std::string> positions;  // --position NAME=POS, repeated (transponders-*)
    bool removeMissing = false;          // transponders-import --remove-missing
    bool help = false;                   // --help
    bool version = false;                // --version
    // The options given, each once, as "--name" in the order first given; what a command
    // accepts is checked against them.
    std::vector<std::string> named;
};

struct CliParse {
    CliOptions options;
    std::string error;  // empty when the command line is well formed
};

// The longest --timeout: the receiver loop's timer counts milliseconds in an int, so 2147483
// seconds (about 24 days) is the most it can wait.
inline constexpr int kMaxTimeoutSeconds = 2147483;

// Parses the arguments after the program name. Options may stand anywhere; "--" ends them.
// "--name value" and "--name=value" are both accepted; given twice, the last value counts.
CliParse ParseCliOptions(const std::vector<std::string>& arguments);

// The options that may be given with any command (--help, --version).
bool IsGeneralOption(const std::string& name);

// Options that only mean something beside another one: "--timestamps needs --hex", or empty.
std::string MissingCompanion(const CliOptions& options);

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // refused image, run that did not succeed, time-out
inline constexpr int kExitUsage = 2;   // usage and file errors

}  // namespace zev::cli
