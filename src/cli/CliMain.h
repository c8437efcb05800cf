// zev-cli as a function, so that tests can run it in-process: parses the command line,
// prints help or the version, and hands the command to the file or the receiver commands.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zev {
class SerialPortLister;
}

namespace zev::cli {

// The help text of --help: every command and option.
const char* CliHelpText();

// `arguments` are those after the program name. Returns the exit status. `ports` answers
// `ports` and `--port auto` (the system's ports when not given).
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const SerialPortLister& ports);

}  // namespace zev::cli
