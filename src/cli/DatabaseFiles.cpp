#include "cli/DatabaseFiles.h"

#include <QSaveFile>
#include <QString>
#include <memory>
#include <optional>

#include "cli/DatabaseJson.h"
#include "cli/ImageFiles.h"
#include "core/FileName.h"
#include "database/StartupHeader.h"
#include "settings/SettingsFile.h"

namespace zev::cli {

namespace {

LoadResult Failed(LoadStatus status, std::string error) { return {status, std::move(error)}; }

}  // namespace

DatabaseSource SourceOfPath(const std::string& path) {
    const std::string extension = FileExtension(path);
    if (extension == "json") return DatabaseSource::Json;
    if (extension == "def") return DatabaseSource::DefaultBlock;
    if (extension == "all") return DatabaseSource::BothBlocks;
    return DatabaseSource::UserBlock;
}

ImageKind ImageKindOf(DatabaseSource source) {
    switch (source) {
        case DatabaseSource::DefaultBlock:
            return ImageKind::Default;
        case DatabaseSource::BothBlocks:
            return ImageKind::All;
        case DatabaseSource::UserBlock:
        case DatabaseSource::Json:
            break;
    }
    return ImageKind::User;
}

LoadResult LoadImageFile(const std::string& path, ChannelDatabase& db) {
    const ImageKind kind = ImageKindOf(SourceOfPath(path));
    // An .all image holds the default-channel block before the largest user block.
    std::vector<uint8_t> bytes(kind == ImageKind::All ? kOutputImageSize : kInputImageSize);
    std::string error;
    const std::optional<std::size_t> size = ReadImageFile(path, bytes, error);
    if (!size) return Failed(LoadStatus::FileError, error);
    const ImageResult result =
        UnpackImageOfKind(db, std::span<const uint8_t>(bytes).first(*size), kind);
    if (!result.ok) return Failed(LoadStatus::Refused, result.error);
    return {};
}

LoadResult LoadDatabaseFile(const std::string& path, const CliOptions& options,
                            ChannelDatabase& db) {
    if (SourceOfPath(path) != DatabaseSource::Json) return LoadImageFile(path, db);
    std::string error;
    const std::optional<std::vector<uint8_t>> json = ReadWholeFile(path, error);
    if (!json) return Failed(LoadStatus::FileError, error);
    ApplyCliStartupHeader(options, db.header);
    const JsonResult result = DatabaseFromJson(*json, db);
    switch (result.status) {
        case JsonStatus::Ok:
            return {};
        case JsonStatus::Invalid:
            return Failed(LoadStatus::FileError, "\"" + path + "\": " + result.error);
        case JsonStatus::Refused:
            break;
    }
    return Failed(LoadStatus::Refused, result.error);
}

void ApplyCliStartupHeader(const CliOptions& options, DatabaseHeader& header) {
    LinkSettings settings;
    if (!options.flash || !options.user) {
        if (std::optional<LinkSettings> file = ReadSettingsFile(kSettingsFileName)) {
            settings = *file;
        }
    }
    header = DatabaseHeader{};
    ApplyStartupHeader(header, options.flash.value_or(settings.flashSizeIndex),
                       options.user.value_or(settings.userSizeIndex));
}

bool WriteFilesAtomically(const std::vector<OutputFile>& files, std::string& error) {
    std::vector<std::unique_ptr<QSaveFile>> saves;
    for (const OutputFile& file : files) {
        auto save = std::make_unique<QSaveFile>(QString::fromStdString(file.path));
        const auto describe = [&](const char* what) {
            return std::string(what) + " \"" + file.path +
                   "\": " + save->errorString().toStdString();
        };
        if (!save->open(QIODevice::WriteOnly)) {
            error = describe("cannot create");
            return false;  // the QSaveFiles already open discard their temporary files
        }
        const auto size = static_cast<qint64>(file.bytes.size());
        if (save->write(file.bytes.data(), size) != size) {
            error = describe("cannot write");
            save->cancelWriting();
            return false;
        }
        saves.push_back(std::move(save));
    }
    for (std::size_t i = 0; i < saves.size(); ++i) {
        if (!saves[i]->commit()) {
            error =
                "cannot write \"" + files[i].path + "\": " + saves[i]->errorString().toStdString();
            return false;
        }
    }
    return true;
}

}  // namespace zev::cli
