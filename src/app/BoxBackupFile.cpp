#include "app/BoxBackupFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/DataFileState.h"
#include "core/FileReplacement.h"
#include "ui/TranslatedText.h"

QString BoxBackupPath(const std::string& currentFile, const QDateTime& when) {
    const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (currentFile == DataFileState::kNoFile) {
        return QDir::current().filePath(QStringLiteral("ZEV-box-%1.stc").arg(stamp));
    }
    const QFileInfo file(QString::fromLocal8Bit(currentFile.c_str()));
    return file.dir().filePath(QStringLiteral("%1-box-%2.stc").arg(file.completeBaseName(), stamp));
}

bool WriteBoxBackup(const QString& path, std::span<const uint8_t> block, QString& error) {
    zev::FileError problem;
    if (zev::ReplaceFile(QFile::encodeName(path).toStdString(), block, problem)) return true;
    error = Translated(problem.text);
    return false;
}
