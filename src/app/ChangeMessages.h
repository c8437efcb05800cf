// The status bar's word on a change of the channel database, made from the name the change
// has in the undo history: "Delete 3 Channels" is said as "Deleted 3 channels", "Edit
// Satellite" as "Edited a satellite".
#pragma once

#include <QString>
#include <string>

QString StatusTextOfChange(const std::string& description);

// After Undo or Redo of the change named `description`.
QString StatusTextOfUndo(const std::string& description, bool redo);
