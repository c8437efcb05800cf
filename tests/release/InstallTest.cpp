// `cmake --install` lays out the programs with their desktop integration, and the desktop
// entry, the MIME types and the metainfo agree with each other and with the desktop's rules.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ReleaseTestSupport.h"

namespace {

using release_testing::ProgramRun;
using release_testing::RunCommand;

const QString kDesktopId = QStringLiteral(ZEV_DESKTOP_ID);

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The value of `key=` in a desktop entry.
QString DesktopValue(const QString& entry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

TEST(InstallTest, InstallPutsProgramsDesktopFilesAndReadmeUnderThePrefix) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const ProgramRun install =
        RunCommand(ZEV_CMAKE_COMMAND, {"--install", ZEV_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_EQ(install.status, 0) << install.out << install.err;

    const QDir root(prefix.path());
    QStringList expected = {"bin/zev-cli",
                            "bin/zev-boxsim",
                            "share/doc/zev/README.md",
                            "share/doc/zev/copyright",
                            "share/doc/zev/changelog.gz",
                            "share/man/man1/zev-cli.1.gz",
                            "share/man/man1/zev-boxsim.1.gz",
                            "share/bash-completion/completions/zev-cli"};
    if (release_testing::Built("zev")) {
        expected << "bin/zev"
                 << "share/man/man1/zev.1.gz"
                 << "share/applications/" + kDesktopId + ".desktop"
                 << "share/metainfo/" + kDesktopId + ".metainfo.xml"
                 << "share/icons/hicolor/scalable/apps/" + kDesktopId + ".svg"
                 << "share/mime/packages/" + kDesktopId + ".xml"
                 << "share/zev/translations/zev_de.qm";
    }
    for (const QString& file : expected) {
        EXPECT_TRUE(QFileInfo(root.filePath(file)).isFile()) << file.toStdString();
    }
    for (const char* program : {"zev", "zev-cli", "zev-boxsim"}) {
        const QFileInfo info(root.filePath(QStringLiteral("bin/") + program));
        if (info.exists()) {
            EXPECT_TRUE(info.isExecutable()) << program;
        }
    }
    const ProgramRun installed = RunCommand(root.filePath("bin/zev-cli"), {"--version"});
    EXPECT_EQ(installed.out, "zev-cli " ZEV_PROJECT_VERSION "\n");
}

TEST(InstallTest, DesktopEntryOpensTheImageTypesThatTheMimePackageDefines) {
    if (!release_testing::Built("zev")) GTEST_SKIP() << "the desktop program is not built";
    const QString desktopPath =
        QStringLiteral(ZEV_BUILD_DIR "/packaging/") + kDesktopId + ".desktop";
    const QString mimePath = QStringLiteral(ZEV_SOURCE_DIR "/packaging/zev-mime.xml");
    const QString entry = ReadText(desktopPath);
    const QString mime = ReadText(mimePath);
    ASSERT_FALSE(entry.isEmpty());
    ASSERT_FALSE(mime.isEmpty());

    EXPECT_EQ(DesktopValue(entry, "Icon"), kDesktopId);
    EXPECT_EQ(DesktopValue(entry, "Exec"), "zev --open %f");
    const QStringList types = DesktopValue(entry, "MimeType").split(';', Qt::SkipEmptyParts);
    EXPECT_EQ(types.size(), 3);
    for (const QString& type : types) {
        EXPECT_TRUE(mime.contains("<mime-type type=\"" + type + "\">")) << type.toStdString();
    }
    for (const char* glob : {"*.stc", "*.def", "*.all"}) {
        EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"%1\"/>").arg(glob))) << glob;
    }

    // The desktop's own checkers, where installed (Debian: desktop-file-utils, appstream).
    const QString desktopCheck = QStandardPaths::findExecutable("desktop-file-validate");
    if (!desktopCheck.isEmpty()) {
        const ProgramRun check = RunCommand(desktopCheck, {desktopPath});
        EXPECT_EQ(check.status, 0);
        EXPECT_EQ(check.out + check.err, "");
    }
    const QString metainfoCheck = QStandardPaths::findExecutable("appstreamcli");
    if (!metainfoCheck.isEmpty()) {
        const QString metainfo =
            QStringLiteral(ZEV_BUILD_DIR "/packaging/") + kDesktopId + ".metainfo.xml";
        const ProgramRun check = RunCommand(metainfoCheck, {"validate", "--no-net", metainfo});
        EXPECT_EQ(check.status, 0) << check.out << check.err;
    }
}

TEST(InstallTest, MetainfoScreenshotsAreThePicturesInTheRepository) {
    if (!release_testing::Built("zev")) GTEST_SKIP() << "the desktop program is not built";
    const QString metainfo =
        ReadText(QStringLiteral(ZEV_BUILD_DIR "/packaging/") + kDesktopId + ".metainfo.xml");
    // Each URL ends in the picture's path in the repository, which scripts/screenshots makes.
    const QRegularExpression image(
        QStringLiteral("<image>[^<]*/(packaging/screenshots/[^<]+)</image>"));
    int pictures = 0;
    for (const auto& match : image.globalMatch(metainfo)) {
        const QString path = match.captured(1);
        QFile picture(QStringLiteral(ZEV_SOURCE_DIR "/") + path);
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(picture.read(8).startsWith("\x89PNG")) << path.toStdString();
        ++pictures;
    }
    EXPECT_EQ(pictures, 2) << metainfo.toStdString();
}

}  // namespace
