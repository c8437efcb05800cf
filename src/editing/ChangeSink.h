// Told about every finished change to the channel database, so the program knows there are
// unsaved edits (and, later, what to undo). Editors call it once per command, after the
// change, with a short description of it such as "Delete 3 Channels".
#pragma once

#include <string>

namespace zev {

class ChangeSink {
  public:
    virtual ~ChangeSink() = default;
    virtual void DatabaseChanged(const std::string& description) = 0;
};

}  // namespace zev
