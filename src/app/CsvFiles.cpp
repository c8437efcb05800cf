#include "app/CsvFiles.h"

#include <QFile>
#include <array>
#include <cstdint>
#include <span>

#include "core/FileReplacement.h"
#include "core/OutputFiles.h"
#include "formats/CsvExport.h"
#include "ui/TranslatedText.h"

namespace {

std::span<const uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

QStringList WriteCsvFiles(const zev::ChannelDatabase& db, const QString& path, QString& error) {
    const zev::CsvTables tables = zev::ExportCsv(db);
    const zev::CsvPaths paths = zev::CsvExportPaths(QFile::encodeName(path).toStdString());
    const std::array<zev::FileContents, 3> files = {{
        {paths.channels, Bytes(tables.channels)},
        {paths.transponders, Bytes(tables.transponders)},
        {paths.satellites, Bytes(tables.satellites)},
    }};
    zev::FileError problem;
    if (const auto distinct =
            zev::CheckOutputs({}, {paths.channels, paths.transponders, paths.satellites});
        !distinct) {
        problem = distinct.error();
    } else if (zev::ReplaceFiles(files, problem)) {
        QStringList written;
        for (const zev::FileContents& file : files) {
            written << QFile::decodeName(file.path.c_str());
        }
        return written;
    }
    error = SentenceOf(problem);
    return {};
}
