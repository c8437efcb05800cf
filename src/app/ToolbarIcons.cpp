#include "app/ToolbarIcons.h"

#include <QString>

#include "app/CommandIds.h"

// The icons are compiled into a static library, whose resources are registered only when
// asked for (the macro must stand outside any namespace).
static void RegisterIconResources() { Q_INIT_RESOURCE(zev_icons); }

namespace {

struct IconEntry {
    int id;
    const char* themeName;  // nullptr: the desktop theme has no icon for it
    const char* drawing;    // file in the resources' icons folder, without ".svg"
};

const IconEntry kIcons[] = {
    {cmd::FileNew, "document-new", "document-new"},
    {cmd::FileOpen, "document-open", "document-open"},
    {cmd::FileSave, "document-save", "document-save"},
    {cmd::EditCut, "edit-cut", "edit-cut"},
    {cmd::EditCopy, "edit-copy", "edit-copy"},
    {cmd::EditPaste, "edit-paste", "edit-paste"},
    {cmd::Help, "help-contents", "help"},
    {cmd::AppAbout, "help-about", "about"},
    {cmd::UpdateParameters, nullptr, "update-parameters"},
    {cmd::UpdateSoftware, nullptr, "update-software"},
    {cmd::OtaSoftwareUpdate, nullptr, "ota-update"},
    {cmd::StopUpdate, nullptr, "stop-update"},
    {cmd::EditText, nullptr, "edit-text"},
    {cmd::TvChannelList, nullptr, "tv-list"},
    {cmd::RadioChannelList, nullptr, "radio-list"},
    {cmd::ToggleHexMode, nullptr, "hex-mode"},
};

QIcon Drawing(const char* name) {
    static const bool registered = (RegisterIconResources(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

}  // namespace

QIcon ToolbarIcon(int commandId) {
    for (const IconEntry& icon : kIcons) {
        if (icon.id != commandId) continue;
        const QIcon drawn = Drawing(icon.drawing);
        return icon.themeName != nullptr ? QIcon::fromTheme(icon.themeName, drawn) : drawn;
    }
    return QIcon();
}

QIcon ProgramIcon() { return Drawing("zev"); }
