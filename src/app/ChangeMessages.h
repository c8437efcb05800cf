// The status bar's word on a change of the channel database, made from the name the change
// has in the undo history: "Delete 3 Channels" is said as "Deleted 3 channels", "Edit
// Satellite" as "Edited a satellite"; a change of another kind is said by its name. Both in the
// program's language.
#pragma once

#include <QString>

#include "core/Translatable.h"

QString StatusTextOfChange(const zev::Translatable& description);

// After Undo or Redo of the change named `description`.
QString StatusTextOfUndo(const zev::Translatable& description, bool redo);
