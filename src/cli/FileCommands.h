// zev-cli's commands on files, without a receiver: dump, build and convert for parameter
// images, update-image for parameter data files.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/CliOptions.h"

namespace zev::cli {

struct CommandUsage;

// dump, build, convert and update-image.
std::span<const CommandUsage> FileCommandTable();

// Runs the command; `out` receives the dump, `err` every message. Returns the exit status.
int RunFileCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zev::cli
