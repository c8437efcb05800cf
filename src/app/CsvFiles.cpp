#include "app/CsvFiles.h"

#include <QSaveFile>
#include <array>
#include <memory>
#include <vector>

#include "formats/CsvExport.h"

QStringList WriteCsvFiles(const zev::ChannelDatabase& db, const QString& path, QString& error) {
    const zev::CsvTables tables = zev::ExportCsv(db);
    const zev::CsvPaths paths = zev::CsvExportPaths(path.toStdString());
    const std::array<std::pair<const std::string*, const std::string*>, 3> files = {{
        {&paths.channels, &tables.channels},
        {&paths.transponders, &tables.transponders},
        {&paths.satellites, &tables.satellites},
    }};

    QStringList written;
    std::vector<std::unique_ptr<QSaveFile>> saves;
    for (const auto& [name, text] : files) {
        const QString filePath = QString::fromStdString(*name);
        auto save = std::make_unique<QSaveFile>(filePath);
        const auto size = static_cast<qint64>(text->size());
        if (!save->open(QIODevice::WriteOnly) || save->write(text->data(), size) != size) {
            error = QStringLiteral("Could not write %1: %2").arg(filePath, save->errorString());
            // The temporary files of the tables written so far go with their QSaveFiles.
            return {};
        }
        saves.push_back(std::move(save));
        written << filePath;
    }
    for (std::size_t i = 0; i < saves.size(); ++i) {
        if (!saves[i]->commit()) {
            error = QStringLiteral("Could not write %1: %2")
                        .arg(written[static_cast<qsizetype>(i)], saves[i]->errorString());
            return {};
        }
    }
    return written;
}
