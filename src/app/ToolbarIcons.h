// Toolbar pictures: the desktop theme's icon for the standard commands where the theme has
// one, else (and for the receiver commands always) a drawing from the program's resources.
#pragma once

#include <QIcon>

// A null icon for commands that have no picture.
QIcon ToolbarIcon(int commandId);

// The program's own icon (window and About box); the same picture is installed for the
// desktop's menus and file managers.
QIcon ProgramIcon();
