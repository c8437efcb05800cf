#include "cli/FileCommands.h"

#include <memory>
#include <optional>
#include <ostream>

#include "cli/CommandTable.h"
#include "cli/DatabaseFiles.h"
#include "cli/DatabaseText.h"
#include "cli/ImageFiles.h"
#include "cli/ImageOutput.h"
#include "exchange/DatabaseJson.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "formats/ParameterUpdateImage.h"
#include "settings/SettingsFile.h"

namespace zev::cli {

namespace {

constexpr CommandUsage kCommands[] = {
    {"dump", 1, "zev-cli dump FILE [--json]", "--json --flash --user"},
    {"build", 2, "zev-cli build IN.json OUT", "--flash --user"},
    {"convert", 2, "zev-cli convert IN OUT"},
    {"update-image", 2, "zev-cli update-image DATAFILE OUT"},
};

// The program's database, on the heap because it is large.
struct Workspace {
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
};

// A refused image is reported with exactly the text the desktop program shows.
int Refused(std::ostream& err, const std::string& message) {
    err << message << '\n';
    return kExitFailed;
}

bool OutputIsNoInput(const std::vector<std::string>& inputs, const std::string& output,
                     std::ostream& err) {
    return OutputsAreNoInputs(inputs, {output}, err);
}

// kExitOk for a database read, else the exit status of the failure, reported.
int Loaded(const LoadResult& result, std::ostream& err) {
    switch (result.status) {
        case LoadStatus::Ok:
            return kExitOk;
        case LoadStatus::FileError:
            return ReportFileError(err, result.error);
        case LoadStatus::Refused:
            break;
    }
    return Refused(err, result.error);
}

// Reads an image file as its extension says (.def, .all, else a user block as File Open reads
// a .stc). Returns kExitOk or the exit status of the failure, already reported.
int LoadImage(const std::string& path, Workspace& work, std::ostream& err) {
    return Loaded(LoadImageFile(path, *work.db), err);
}

// Reads an image as LoadImage does, or the JSON form of a .json file as `check` reads it.
int LoadDatabase(const std::string& path, const CliOptions& options, Workspace& work,
                 std::ostream& err) {
    const LoadResult result = LoadDatabaseFile(path, options, *work.db);
    if (!result.warning.empty()) err << "zev-cli: " << result.warning << '\n';
    return Loaded(result, err);
}

int Dump(const CliOptions& options, std::ostream& out, std::ostream& err) {
    Workspace work;
    if (int status = LoadDatabase(options.args[0], options, work, err); status != kExitOk) {
        return status;
    }
    if (options.json) {
        out << DatabaseToJson(*work.db);
    } else {
        WriteDatabaseText(*work.db, out);
    }
    return kExitOk;
}

int Build(const CliOptions& options, std::ostream& err) {
    const std::optional<ImageKind> kind = OutputImageKind(options.args[1], err);
    // default.dat is read too, for the flash layout.
    if (!kind || !OutputIsNoInput({options.args[0], kSettingsFileName}, options.args[1], err)) {
        return kExitUsage;
    }
    std::string error;
    const std::optional<std::vector<uint8_t>> json =
        ReadWholeFile(options.args[0], kMaxJsonFileSize, error);
    if (!json) return ReportFileError(err, error);
    Workspace work;
    if (const std::string problem = ApplyCliStartupHeader(options, work.db->header);
        !problem.empty()) {
        err << "zev-cli: " << problem << '\n';
    }
    const JsonResult result = DatabaseFromJson(*json, *work.db);
    if (result.status == JsonStatus::Invalid) {
        return ReportFileError(err, "\"" + options.args[0] + "\": " + result.error.English());
    }
    if (result.status == JsonStatus::Refused) return Refused(err, result.error.English());
    return PackAndWrite(*work.db, *kind, options.args[1], err);
}

int Convert(const CliOptions& options, std::ostream& err) {
    const std::optional<ImageKind> kind = OutputImageKind(options.args[1], err);
    if (!kind || !OutputIsNoInput({options.args[0]}, options.args[1], err)) return kExitUsage;
    Workspace work;
    if (int status = LoadImage(options.args[0], work, err); status != kExitOk) return status;
    return PackAndWrite(*work.db, *kind, options.args[1], err);
}

// Builds the image Update Parameters would send. `out` gets the record counts as the terminal
// shows them, `err` every malformed line.
int UpdateImage(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string& dataPath = options.args[0];
    if (!OutputIsNoInput({dataPath}, options.args[1], err)) return kExitUsage;
    std::string error;
    const std::optional<std::vector<uint8_t>> bytes =
        ReadWholeFile(dataPath, kMaxDataFileSize, error);
    if (!bytes) return ReportFileError(err, error);
    const auto data = std::make_unique<ParameterDataFile>();
    if (!data->Parse(*bytes)) return ReportFileError(err, dataPath + ": Input file is invalid !");
    for (const MalformedLine& line : data->MalformedLines()) {
        err << "zev-cli: " << dataPath << ":" << MalformedLineText(line) << '\n';
    }
    if (const Translatable problem = UpdateImageProblem(*data, kInputImageSize); !problem.Empty()) {
        return ReportFileError(err, dataPath + ": " + problem.English());
    }
    std::vector<uint8_t> image(UpdateImageLength(*data));
    BuildUpdateImage(*data, image);
    out << UpdateImageCountsText(*data) << '\n';
    if (!WriteFileAtomically(options.args[1], image, error)) return ReportFileError(err, error);
    return kExitOk;
}

}  // namespace

std::span<const CommandUsage> FileCommandTable() { return kCommands; }

int RunFileCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const CommandUsage* command = FindCommand(kCommands, options.command);
    if (command == nullptr)
        return ReportFileError(err, "unknown command \"" + options.command + "\"");
    if (!ArgumentsFit(*command, options, err)) return kExitUsage;
    if (options.command == "dump") return Dump(options, out, err);
    if (options.command == "build") return Build(options, err);
    if (options.command == "update-image") return UpdateImage(options, out, err);
    return Convert(options, err);
}

}  // namespace zev::cli
