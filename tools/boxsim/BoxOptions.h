// The simulator's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Faults.h"

namespace zev::boxsim {

// Signs the boot loader may send after a reset.
inline constexpr std::uint8_t kSignGeneral = 0xAA;
inline constexpr std::uint8_t kSignParameters = 0x0E;
inline constexpr std::uint8_t kSignSoftware = 0x0F;
inline constexpr std::uint8_t kSignOta = 0xB0;

struct BoxOptions {
    std::string linkPath;    // --link: symlink to the pseudo-terminal
    std::string flashFile;   // --flash: file that keeps the flash contents
    bool sample = false;     // --sample: write a sample user block
    bool quiet = false;      // --quiet: no console chatter
    bool verbose = false;    // --verbose: log to standard error
    bool exitOnEof = false;  // --exit-on-eof: end of standard input ends the simulator
    std::uint8_t sign = kSignGeneral;
    std::optional<int> resetOnOpenMs;
    std::uint32_t userAddress = 0xE0000;
    std::uint32_t userSize = 0x20000;
    int slowMs = 0;
    int delayMs = 0;
    std::optional<std::uint64_t> vanishAfter;  // --vanish N: bytes received
    FaultSet faults;
};

struct ParsedCommandLine {
    BoxOptions options;
    bool helpWanted = false;
    bool versionWanted = false;
    std::string error;  // empty when the command line was understood
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);
std::string usageText();

}  // namespace zev::boxsim
