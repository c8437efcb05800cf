// Toolbar pictures: the desktop theme's icon where it has one, else a small drawing.
#pragma once

#include <QIcon>

QIcon ToolbarIcon(int commandId);

// The program's own icon (window and About box).
QIcon ProgramIcon();
