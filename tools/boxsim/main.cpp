// zev-boxsim: plays the ZEV receiver on a pseudo-terminal (see --help).
#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "BoxOptions.h"
#include "FlashMemory.h"
#include "SampleUserBlock.h"
#include "SimulatorLoop.h"
#include "ZevVersion.h"

namespace {

// A program started with a standard stream closed would otherwise hand that descriptor number
// to the pseudo-terminal, and the simulator would read its own line as standard input.
void keepStandardStreamsOpen() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) < 0) {
            const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
            if (opened >= 0 && opened != fd) {
                dup2(opened, fd);
                close(opened);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zev::boxsim;
    keepStandardStreamsOpen();
    const auto parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.helpWanted) {
        std::cout << usageText();
        return 0;
    }
    if (parsed.versionWanted) {
        std::cout << "zev-boxsim " << zev::kVersion << '\n';
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "zev-boxsim: " << parsed.error << "\n(zev-boxsim --help lists the options)\n";
        return 2;
    }
    const BoxOptions& options = parsed.options;
    FlashMemory flash;
    std::string error;
    if (!options.flashFile.empty() && !flash.attachFile(options.flashFile, error)) {
        std::cerr << "zev-boxsim: " << error << '\n';
        return 1;
    }
    if (options.sample &&
        !flash.write(options.userAddress,
                     buildSampleUserBlock(options.userAddress, options.userSize))) {
        std::cerr << "zev-boxsim: cannot write the sample into the flash file\n";
        return 1;
    }
    return runSimulator(options, flash);
}
