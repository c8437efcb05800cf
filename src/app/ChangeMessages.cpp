#include "app/ChangeMessages.h"

#include <QCoreApplication>
#include <array>
#include <utility>

#include "ui/TranslatedText.h"

namespace {

// The names the editors give their changes, and how the status bar says each one done (with
// the same arguments).
const std::array<std::pair<const char*, const char*>, 20> kDone = {{
    {"Delete %1 Channel", QT_TRANSLATE_NOOP("Change", "Deleted %1 channel")},
    {"Delete %1 Channels", QT_TRANSLATE_NOOP("Change", "Deleted %1 channels")},
    {"Move %1 Channel", QT_TRANSLATE_NOOP("Change", "Moved %1 channel")},
    {"Move %1 Channels", QT_TRANSLATE_NOOP("Change", "Moved %1 channels")},
    {"Drag %1 Channel", QT_TRANSLATE_NOOP("Change", "Moved %1 channel")},
    {"Drag %1 Channels", QT_TRANSLATE_NOOP("Change", "Moved %1 channels")},
    {"Drag %1 Transponder", QT_TRANSLATE_NOOP("Change", "Moved %1 transponder")},
    {"Drag %1 Transponders", QT_TRANSLATE_NOOP("Change", "Moved %1 transponders")},
    {"Drag %1 Satellite", QT_TRANSLATE_NOOP("Change", "Moved %1 satellite")},
    {"Drag %1 Satellites", QT_TRANSLATE_NOOP("Change", "Moved %1 satellites")},
    {"Edit Channel", QT_TRANSLATE_NOOP("Change", "Edited a channel")},
    {"Edit Satellite", QT_TRANSLATE_NOOP("Change", "Edited a satellite")},
    {"Edit Transponder", QT_TRANSLATE_NOOP("Change", "Edited a transponder")},
    {"New Channel", QT_TRANSLATE_NOOP("Change", "Added a channel")},
    {"New Satellite", QT_TRANSLATE_NOOP("Change", "Added a satellite")},
    {"New Transponder", QT_TRANSLATE_NOOP("Change", "Added a transponder")},
    {"Delete Satellite", QT_TRANSLATE_NOOP("Change", "Deleted a satellite")},
    {"Delete Transponder", QT_TRANSLATE_NOOP("Change", "Deleted a transponder")},
    {"Delete All Transponders of Satellite %1",
     QT_TRANSLATE_NOOP("Change", "Deleted all transponders of satellite %1")},
    {"Delete All Channels of Transponder %1",
     QT_TRANSLATE_NOOP("Change", "Deleted all channels of transponder %1")},
}};

}  // namespace

QString StatusTextOfChange(const zev::Translatable& description) {
    if (description.Context() != nullptr) {
        for (const auto& [name, done] : kDone) {
            if (description.Pattern() != name) continue;
            zev::Translatable said = zev::Translatable("Change", done);
            for (const zev::Translatable& arg : description.Args()) said.Arg(arg);
            return Translated(said);
        }
    }
    return Translated(description);  // a change of another kind is said by its name
}

QString StatusTextOfUndo(const zev::Translatable& description, bool redo) {
    return (redo ? QCoreApplication::translate("Change", "Redone: %1")
                 : QCoreApplication::translate("Change", "Undone: %1"))
        .arg(Translated(description));
}
