// The language of the program's windows: the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG),
// from the catalogues installed beside the program, with Qt's own for its standard dialogs.
// Without a catalogue for that language every text stays English.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace program_language {

// Where the program's catalogues (zev_LANGUAGE.qm) are: share/zev/translations beside the
// folder of the program, in an installation as in the build folder.
QString CatalogueFolder();

// Loads the catalogues for `locale` into `application` (which owns them); true when the
// program's own catalogue was found.
bool Install(QCoreApplication& application, const QLocale& locale = QLocale::system(),
             const QString& folder = CatalogueFolder());

}  // namespace program_language
