#include "cli/DatabaseFiles.h"

#include <optional>

#include "cli/ImageFiles.h"
#include "core/FileName.h"
#include "core/FileReplacement.h"
#include "database/StartupHeader.h"
#include "exchange/DatabaseJson.h"
#include "settings/SettingsFile.h"

namespace zev::cli {

namespace {

LoadResult Failed(LoadStatus status, std::string error) { return {status, std::move(error), {}}; }

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
    if (!result.ok) return Failed(LoadStatus::Refused, result.error.English());
    return {};
}

LoadResult LoadDatabaseFile(const std::string& path, const CliOptions& options,
                            ChannelDatabase& db) {
    if (SourceOfPath(path) != DatabaseSource::Json) return LoadImageFile(path, db);
    std::string error;
    const std::optional<std::vector<uint8_t>> json = ReadWholeFile(path, kMaxJsonFileSize, error);
    if (!json) return Failed(LoadStatus::FileError, error);
    const std::string warning = ApplyCliStartupHeader(options, db.header);
    const JsonResult result = DatabaseFromJson(*json, db);
    LoadResult loaded;
    switch (result.status) {
        case JsonStatus::Ok:
            break;
        case JsonStatus::Invalid:
            loaded = Failed(LoadStatus::FileError, "\"" + path + "\": " + result.error.English());
            break;
        case JsonStatus::Refused:
            loaded = Failed(LoadStatus::Refused, result.error.English());
            break;
    }
    loaded.warning = warning;
    return loaded;
}

std::string ApplyCliStartupHeader(const CliOptions& options, DatabaseHeader& header) {
    LinkSettings settings;
    std::string problem;
    if (!options.flash || !options.user) {
        if (std::optional<LinkSettings> file = ReadSettingsFile(kSettingsFileName, &problem)) {
            settings = *file;
        }
    }
    header = DatabaseHeader{};
    ApplyStartupHeader(header, options.flash.value_or(settings.flashSizeIndex),
                       options.user.value_or(settings.userSizeIndex));
    return problem;
}

bool WriteFilesAtomically(const std::vector<OutputFile>& files, std::string& error) {
    std::vector<FileContents> contents;
    for (const OutputFile& file : files) {
        contents.push_back(
            {file.path,
             std::span(reinterpret_cast<const uint8_t*>(file.bytes.data()), file.bytes.size())});
    }
    FileError problem;
    if (ReplaceFiles(contents, problem)) return true;
    error = problem.text.English();
    return false;
}

}  // namespace zev::cli
