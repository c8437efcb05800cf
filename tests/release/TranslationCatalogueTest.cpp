// The translation catalogues hold every text the windows show, and each translation is
// finished and keeps what the program fills in or acts on: the same %1..%9 arguments, the same
// number of '&' mnemonics, the same line breaks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

#include "ReleaseTestSupport.h"

namespace {

using release_testing::ProgramRun;
using release_testing::RunCommand;

const QString kCatalogues = QStringLiteral(ZEV_SOURCE_DIR "/translations");

struct Entry {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
    bool plural = false;
};

// The messages of a .ts file, in its order.
std::vector<Entry> ReadCatalogue(const QString& path) {
    std::vector<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entries.push_back({context,
                               {},
                               {},
                               false,
                               xml.attributes().value("numerus") == QLatin1String("yes")});
        } else if (name == QLatin1String("source") && !entries.empty()) {
            entries.back().source = xml.readElementText();
        } else if (name == QLatin1String("translation") && !entries.empty()) {
            const auto type = xml.attributes().value("type");
            entries.back().finished = type.isEmpty();
            entries.back().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QStringList Arguments(const QString& text) {
    static const QRegularExpression argument(QStringLiteral("%[1-9n]"));
    QStringList found;
    for (const auto& match : argument.globalMatch(text)) found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The mnemonics of a text: '&' that is not "&&".
qsizetype Mnemonics(QString text) {
    text.remove(QStringLiteral("&&"));
    return text.count(QLatin1Char('&'));
}

QStringList Catalogues() {
    return QDir(kCatalogues).entryList({QStringLiteral("zev_*.ts")}, QDir::Files, QDir::Name);
}

#if defined(ZEV_LUPDATE)
// lupdate, run over the sources as the update_translations target runs it, changes nothing in
// a committed catalogue: no text of a window is missing from it, none is left that the
// sources no longer have.
TEST(TranslationCatalogueTest, CataloguesAreUpToDateWithTheSources) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString project = dir.filePath(QStringLiteral("project.json"));
    const ProgramRun generated = RunCommand(
        QStringLiteral(ZEV_CMAKE_COMMAND),
        {QStringLiteral("-DIN_FILE=" ZEV_LUPDATE_PROJECT), QStringLiteral("-DOUT_FILE=") + project,
         QStringLiteral("-P"), QStringLiteral(ZEV_LUPDATE_PROJECT_SCRIPT)});
    ASSERT_EQ(generated.status, 0) << generated.err;

    ASSERT_FALSE(Catalogues().isEmpty());
    for (const QString& name : Catalogues()) {
        SCOPED_TRACE(name.toStdString());
        const QString committed = kCatalogues + QLatin1Char('/') + name;
        const QString updated = dir.filePath(name);
        ASSERT_TRUE(QFile::copy(committed, updated));
        QStringList arguments = {QStringLiteral("-project"), project, QStringLiteral("-ts"),
                                 updated};
        arguments += QStringLiteral(ZEV_LUPDATE_OPTIONS).split(QLatin1Char(' '));
        const ProgramRun lupdate = RunCommand(QStringLiteral(ZEV_LUPDATE), arguments);
        ASSERT_EQ(lupdate.status, 0) << lupdate.err;
        // lupdate warns of a tr() it cannot place in a class, whose text would land in a
        // wrong context; that -ts overrides the project's catalogue is what is meant here.
        QStringList warnings = QString::fromStdString(lupdate.err).split(QLatin1Char('\n'));
        warnings.removeIf([](const QString& line) {
            return line.trimmed().isEmpty() ||
                   line.contains(QLatin1String("TS files from command line will override"));
        });
        EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();

        const std::vector<Entry> before = ReadCatalogue(committed);
        const std::vector<Entry> after = ReadCatalogue(updated);
        QStringList added;
        QStringList gone;
        for (const Entry& entry : after) {
            const bool known = std::any_of(before.begin(), before.end(), [&](const Entry& e) {
                return e.context == entry.context && e.source == entry.source;
            });
            if (!known) added << entry.context + QStringLiteral(": ") + entry.source;
        }
        for (const Entry& entry : before) {
            const bool kept = std::any_of(after.begin(), after.end(), [&](const Entry& e) {
                return e.context == entry.context && e.source == entry.source;
            });
            if (!kept) gone << entry.context + QStringLiteral(": ") + entry.source;
        }
        EXPECT_TRUE(added.isEmpty()) << "not in the catalogue (run the update_translations "
                                        "target):\n"
                                     << added.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(gone.isEmpty()) << "no longer in the sources:\n"
                                    << gone.join(QLatin1Char('\n')).toStdString();
        QFile a(committed);
        QFile b(updated);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll()) << "lupdate rewrites the catalogue";
    }
}

#endif

TEST(TranslationCatalogueTest, EveryTranslationIsFinishedAndKeepsArgumentsMnemonicsAndLines) {
    ASSERT_TRUE(Catalogues().contains(QStringLiteral("zev_de.ts")));
    for (const QString& name : Catalogues()) {
        SCOPED_TRACE(name.toStdString());
        const std::vector<Entry> entries = ReadCatalogue(kCatalogues + QLatin1Char('/') + name);
        EXPECT_GT(entries.size(), 500u);
        for (const Entry& entry : entries) {
            const std::string where =
                (entry.context + QStringLiteral(": \"") + entry.source +
                 QStringLiteral("\" -> \"") + entry.translation + QLatin1Char('"'))
                    .toStdString();
            EXPECT_FALSE(entry.plural) << where << ": plural forms are not used";
            EXPECT_TRUE(entry.finished && !entry.translation.isEmpty()) << where << ": unfinished";
            if (!entry.finished) continue;
            EXPECT_EQ(Arguments(entry.translation), Arguments(entry.source)) << where;
            EXPECT_EQ(Mnemonics(entry.translation), Mnemonics(entry.source)) << where;
            EXPECT_EQ(entry.translation.count(QLatin1Char('\n')),
                      entry.source.count(QLatin1Char('\n')))
                << where;
            // Leading and trailing spaces line up texts and columns.
            EXPECT_EQ(entry.translation.startsWith(QLatin1Char(' ')),
                      entry.source.startsWith(QLatin1Char(' ')))
                << where;
            EXPECT_EQ(entry.translation.endsWith(QLatin1Char(' ')),
                      entry.source.endsWith(QLatin1Char(' ')))
                << where;
        }
    }
}

}  // namespace
