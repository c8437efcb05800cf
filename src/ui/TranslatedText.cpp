#include "ui/TranslatedText.h"

#include <QCoreApplication>

QString Translated(const zev::Translatable& text) {
    return QString::fromStdString(text.Render([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    }));
}

QString SentenceOf(const zev::FileError& error) { return Translated(error.SentenceText()); }
