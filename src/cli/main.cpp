// zev-cli: the headless companion of the desktop program. Its logic lives in the zev_cli
// library (RunCli) so that tests can run it in-process.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliMain.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return zev::cli::RunCli(arguments, std::cout, std::cerr);
}
