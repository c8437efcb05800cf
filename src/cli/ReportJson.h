// The machine-readable forms of `zev-cli check --json` and `zev-cli diff --json`. Record
// numbers are 1-based, as the lists show them.
#pragma once

#include <string>

#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"

namespace zev::cli {

// {"errors": N, "warnings": N, "findings": [{"severity": "error", "problem":
// "missing-transponder", "record": {"kind": "tv", "number": 3, "slot": 2}, "related": [...],
// "message": "..."}]}; the header's record is {"kind": "header"}.
std::string CheckToJson(const CheckResult& result);

// {"equal": false, "header": [{"field", "before", "after"}], "records": [{"kind": "tv",
// "change": "kept", "before": 7, "after": 4, "moved": true, "name": "ARD", "fields": [...]}]};
// "before" is left out of added records and "after" out of removed ones.
std::string DiffToJson(const DatabaseDiff& diff);

}  // namespace zev::cli
