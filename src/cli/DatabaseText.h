// The readable form of `zev-cli dump`: the header field by field, then one table per record
// kind with a column per field.
#pragma once

#include <iosfwd>

#include "database/ChannelDatabase.h"

namespace zev::cli {

void WriteDatabaseText(const ChannelDatabase& db, std::ostream& out);

}  // namespace zev::cli
