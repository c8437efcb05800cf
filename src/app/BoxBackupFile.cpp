#include "app/BoxBackupFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "app/DataFileState.h"

QString BoxBackupPath(const std::string& currentFile, const QDateTime& when) {
    const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (currentFile == DataFileState::kNoFile) {
        return QDir::current().filePath(QStringLiteral("ZEV-box-%1.stc").arg(stamp));
    }
    const QFileInfo file(QString::fromLocal8Bit(currentFile.c_str()));
    return file.dir().filePath(QStringLiteral("%1-box-%2.stc").arg(file.completeBaseName(), stamp));
}

bool WriteBoxBackup(const QString& path, std::span<const uint8_t> block, QString& error) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(block.size());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(block.data()), size) != size || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
