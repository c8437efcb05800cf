#include "app/ListFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <memory>
#include <optional>

#include "app/DataFileState.h"
#include "app/LocalPaths.h"
#include "core/FileName.h"
#include "core/RegularFile.h"
#include "exchange/DatabaseJson.h"
#include "exchange/TransponderXml.h"
#include "formats/CsvExport.h"
#include "formats/ParameterImage.h"
#include "ui/TranslatedText.h"

namespace {

// The whole file, or the sentence that says why it cannot be read (a longer file than `limit`
// is refused, a longer image is read as far as an image goes).
zev::Result<std::vector<uint8_t>, QString> ReadFile(const QString& path, std::size_t limit,
                                                    zev::Overlong overlong) {
    zev::FileError error;
    std::optional<std::vector<uint8_t>> bytes =
        zev::ReadRegularFile(Local8Bit(path), limit, overlong, error);
    if (!bytes) {
        return zev::Failure(QCoreApplication::translate("ListFiles", "Can't read %1.\n%2")
                                .arg(path, SentenceOf(error)));
    }
    return std::move(*bytes);
}

zev::Result<zev::ReferenceLists, QString> ReadReferenceImage(const QString& path,
                                                             zev::ImageKind kind) {
    const std::size_t most =
        kind == zev::ImageKind::All ? zev::kOutputImageSize : zev::kInputImageSize;
    auto bytes = ReadFile(path, most, zev::Overlong::ReadPrefix);
    if (!bytes) return zev::Failure(bytes.error());
    const auto db = std::make_unique<zev::ChannelDatabase>();
    const zev::ImageResult unpacked = zev::UnpackImageOfKind(*db, *bytes, kind);
    if (!unpacked.ok) {
        return zev::Failure(QCoreApplication::translate("ListFiles", "Can't read %1: %2")
                                .arg(path, Translated(unpacked.error)));
    }
    return zev::ReferenceListsOf(*db);
}

zev::Result<zev::ReferenceLists, QString> ReadReferenceJson(const QString& path,
                                                            const zev::DatabaseHeader& header) {
    auto bytes = ReadFile(path, zev::kMaxJsonFileSize, zev::Overlong::Refuse);
    if (!bytes) return zev::Failure(bytes.error());
    const auto db = std::make_unique<zev::ChannelDatabase>();
    db->header = header;
    const zev::JsonResult read = zev::DatabaseFromJson(*bytes, *db);
    if (read.status != zev::JsonStatus::Ok) {
        return zev::Failure(QCoreApplication::translate("ListFiles", "Can't read %1: %2")
                                .arg(path, Translated(read.error)));
    }
    return zev::ReferenceListsOf(*db);
}

}  // namespace

zev::Result<CsvFileSet, QString> ReadCsvFileSet(const QString& path) {
    zev::CsvPaths paths = zev::CsvExportPaths(Local8Bit(path));
    // The file dialog shows all three files: one of the two beside the channels' file stands
    // for its set, unless it is a channel list of its own with files beside it.
    if (!QFileInfo::exists(FromLocal8Bit(paths.transponders))) {
        const std::optional<zev::CsvPaths> set = zev::CsvSetOfSibling(paths.channels);
        if (set && QFileInfo::exists(FromLocal8Bit(set->channels))) paths = *set;
    }
    CsvFileSet files;
    files.channelsPath = FromLocal8Bit(paths.channels);
    std::size_t i = 0;
    for (const std::string& name : {paths.channels, paths.transponders, paths.satellites}) {
        const QString file = FromLocal8Bit(name);
        auto bytes = ReadFile(file, zev::kMaxCsvFileSize, zev::Overlong::Refuse);
        if (!bytes) return zev::Failure(bytes.error());
        files.names[i] = Local8Bit(QFileInfo(file).fileName());
        files.bytes[i] = std::move(*bytes);
        ++i;
    }
    return files;
}

zev::Result<zev::ReferenceLists, QString> ReadReferenceLists(const QString& path,
                                                             const zev::DatabaseHeader& header) {
    const std::string extension = zev::FileExtension(Local8Bit(path));
    if (const std::optional<zev::ImageKind> kind = ImageKindOfExtension(extension)) {
        return ReadReferenceImage(path, *kind);
    }
    if (extension == "json") return ReadReferenceJson(path, header);
    if (extension != "csv") {
        return zev::Failure(
            QCoreApplication::translate(
                "ListFiles",
                "Only parameter images (.stc, .def, .all), the JSON form (.json) and "
                "the CSV files of Export List (.csv) can give the order:\n%1")
                .arg(path));
    }
    auto files = ReadCsvFileSet(path);
    if (!files) return zev::Failure(files.error());
    auto reference = zev::ReferenceListsFromCsv(files->Files());
    if (!reference) {
        return zev::Failure(QCoreApplication::translate("ListFiles", "Can't read %1:\n%2")
                                .arg(path, CsvProblemsText(reference.error())));
    }
    return std::move(*reference);
}

zev::Result<zev::TransponderFile, QString> ReadTransponderXmlFile(const QString& path) {
    auto bytes = ReadFile(path, zev::kMaxTransponderXmlSize, zev::Overlong::Refuse);
    if (!bytes) return zev::Failure(bytes.error());
    auto file = zev::ReadTransponderXml(Local8Bit(QFileInfo(path).fileName()), *bytes);
    if (!file) return zev::Failure(Translated(file.error()));
    return std::move(*file);
}

QString CsvProblemsText(const std::vector<zev::CsvProblem>& problems) {
    QStringList lines;
    for (const zev::CsvProblem& problem : problems) lines << Translated(problem.Message());
    return lines.join(QLatin1Char('\n'));
}
