#include "app/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace program_language {

QString CatalogueFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zev/translations");
}

bool Install(QCoreApplication& application, const QLocale& locale, const QString& folder) {
    auto* own = new QTranslator(&application);
    if (!own->load(locale, QStringLiteral("zev"), QStringLiteral("_"), folder)) {
        delete own;
        return false;
    }
    // Qt's texts (the buttons of message boxes, the file and print dialogs) in the same
    // language, when Qt's translations are installed.
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

}  // namespace program_language
