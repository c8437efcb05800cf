// zev-cli's commands that rework a whole list and write the result as a new image: sort,
// reorder (order like a reference list), import (from the CSV files of export) and the
// transponder exchange with the common XML format (transponders-export, transponders-import).
#pragma once

#include <iosfwd>
#include <span>

#include "cli/CliOptions.h"

namespace zev::cli {

struct CommandUsage;

// sort, reorder, import, transponders-export and transponders-import.
std::span<const CommandUsage> ListCommandTable();

// Runs the command; `out` receives its report, `err` every message. Returns the exit status:
// 2 for usage and file errors and for input the command refuses (a cell or element that
// cannot be read, more records than the image holds), 1 for an image that cannot be read or
// written as the header lays it out, or that `check` finds errors in.
int RunListCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zev::cli
