// Told about every finished change to the channel database: the program records it as one step
// of the undo history, which also tells whether there are unsaved edits. Editors call it once
// per command, after the change, with a short description of it such as "Delete 3 Channels"
// (the name Undo and Redo show, in the program's language).
#pragma once

#include "core/Translatable.h"

namespace zev {

class ChangeSink {
  public:
    virtual ~ChangeSink() = default;
    virtual void DatabaseChanged(const Translatable& description) = 0;
};

}  // namespace zev
