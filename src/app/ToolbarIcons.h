// Command pictures: the desktop theme's icon for the standard commands where the theme has
// one, else (and for the receiver commands always) a drawing from the program's resources.
#pragma once

#include <QIcon>

// `themeName` may be nullptr (the theme has no icon for it); a null `drawing` gives a null
// icon, for commands without a picture.
QIcon CommandIcon(const char* themeName, const char* drawing);

// The program's own icon (window and About box); the same picture is installed for the
// desktop's menus and file managers.
QIcon ProgramIcon();
