#include "app/ChangeMessages.h"

#include <QStringList>
#include <array>
#include <utility>

namespace {

// The verbs the editors name their changes with, and how the status bar says them done.
const std::array<std::pair<const char*, const char*>, 5> kVerbs = {{
    {"Delete", "Deleted"},
    {"Edit", "Edited"},
    {"New", "Added"},
    {"Move", "Moved"},
    {"Drag", "Moved"},
}};

}  // namespace

QString StatusTextOfChange(const std::string& description) {
    const QString text = QString::fromStdString(description);
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return {};
    const QString verb = words.takeFirst();
    for (const auto& [name, done] : kVerbs) {
        if (verb != QLatin1String(name)) continue;
        // The rest in lower case; a lone noun gets its article.
        for (QString& word : words) word = word.toLower();
        if (words.size() == 1) words.prepend(QStringLiteral("a"));
        return QLatin1String(done) + QLatin1Char(' ') + words.join(QLatin1Char(' '));
    }
    return text;  // a change of another kind is said by its name
}

QString StatusTextOfUndo(const std::string& description, bool redo) {
    return (redo ? QStringLiteral("Redone: ") : QStringLiteral("Undone: ")) +
           QString::fromStdString(description);
}
