#include "app/ToolbarIcons.h"

#include <QString>

// The icons are compiled into a static library, whose resources are registered only when
// asked for (the macro must stand outside any namespace).
static void RegisterIconResources() { Q_INIT_RESOURCE(zev_icons); }

namespace {

QIcon Drawing(const char* name) {
    static const bool registered = (RegisterIconResources(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

}  // namespace

QIcon CommandIcon(const char* themeName, const char* drawing) {
    if (drawing == nullptr) return QIcon();
    const QIcon drawn = Drawing(drawing);
    return themeName != nullptr ? QIcon::fromTheme(themeName, drawn) : drawn;
}

QIcon ProgramIcon() { return Drawing("zev"); }
