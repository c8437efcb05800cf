// zev-cli's commands that look at a database without changing it: check, diff and export. They
// read every kind of database file (.stc, .def, .all and the JSON form).
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/CliOptions.h"

namespace zev::cli {

struct CommandUsage;

// check, diff and export.
std::span<const CommandUsage> DatabaseCommandTable();

// Runs the command; `out` receives the report, `err` every message. Returns the exit status:
// check 1 when it found errors; diff 1 when the databases differ and 2 when one cannot be read;
// export 1 for a refused image; 2 for usage and file errors.
int RunDatabaseCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zev::cli
