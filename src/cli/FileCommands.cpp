#include "cli/FileCommands.h"

#include <memory>
#include <optional>
#include <ostream>

#include "cli/CommandTable.h"
#include "cli/DatabaseFiles.h"
#include "cli/DatabaseJson.h"
#include "cli/DatabaseText.h"
#include "cli/ImageFiles.h"
#include "core/FileName.h"
#include "core/OutputFiles.h"
#include "editing/DatabaseCheck.h"
#include "formats/ParameterDataFile.h"
#include "formats/ParameterImage.h"
#include "formats/ParameterUpdateImage.h"
#include "settings/SettingsFile.h"

namespace zev::cli {

namespace {

constexpr CommandUsage kCommands[] = {
    {"dump", 1, "zev-cli dump FILE [--json]", "--json"},
    {"build", 2, "zev-cli build IN.json OUT", "--flash --user"},
    {"convert", 2, "zev-cli convert IN OUT"},
    {"update-image", 2, "zev-cli update-image DATAFILE OUT"},
};

// The program's database and image buffers, on the heap because they are large.
struct Workspace {
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    ImageBuffers buffers;
};

int FileError(std::ostream& err, const std::string& message) {
    err << "zev-cli: " << message << '\n';
    return kExitUsage;
}

// A refused image is reported with exactly the text the desktop program shows.
int Refused(std::ostream& err, const std::string& message) {
    err << message << '\n';
    return kExitFailed;
}

// An output that is one of the command's inputs, under any name, is refused before anything
// is read.
bool OutputIsNoInput(const std::vector<std::string>& inputs, const std::string& output,
                     std::ostream& err) {
    const auto checked = CheckOutputs(inputs, {output});
    if (!checked) FileError(err, checked.error().text);
    return checked.ok();
}

std::optional<ImageKind> OutputKind(const std::string& path, std::ostream& err) {
    std::optional<ImageKind> kind = ImageKindForExtension(FileExtension(path));
    if (!kind) {
        err << "zev-cli: the output file \"" << path
            << "\" must end in .stc (user block), .def (default-channel block) or .all (both)\n";
    }
    return kind;
}

// Reads an image file as its extension says (.def, .all, else a user block as File Open reads
// a .stc). Returns kExitOk or the exit status of the failure, already reported.
int LoadImage(const std::string& path, Workspace& work, std::ostream& err) {
    const LoadResult result = LoadImageFile(path, *work.db);
    switch (result.status) {
        case LoadStatus::Ok:
            return kExitOk;
        case LoadStatus::FileError:
            return FileError(err, result.error);
        case LoadStatus::Refused:
            break;
    }
    return Refused(err, result.error);
}

// The image is checked as `check` checks it, and written only without errors: a file zev-cli
// writes is never one that `check` or `send` refuses.
int PackAndWrite(const std::string& path, ImageKind kind, Workspace& work, std::ostream& err) {
    if (const CheckResult checked = CheckDatabase(*work.db, kind); checked.HasErrors()) {
        for (const CheckFinding& finding : checked.findings) {
            if (finding.Severity() == CheckSeverity::Error) err << FindingLine(finding) << '\n';
        }
        err << "zev-cli: nothing written: the image has errors the receiver would misread\n";
        return kExitFailed;
    }
    const ImageResult result = PackImage(*work.db, kind, work.buffers.output);
    if (!result.ok) return Refused(err, result.error);
    std::string error;
    if (!WriteFileAtomically(path, std::span<const uint8_t>(work.buffers.output).first(result.size),
                             error)) {
        return FileError(err, error);
    }
    return kExitOk;
}

int Dump(const CliOptions& options, std::ostream& out, std::ostream& err) {
    Workspace work;
    if (int status = LoadImage(options.args[0], work, err); status != kExitOk) return status;
    if (options.json) {
        out << DatabaseToJson(*work.db);
    } else {
        WriteDatabaseText(*work.db, out);
    }
    return kExitOk;
}

int Build(const CliOptions& options, std::ostream& err) {
    const std::optional<ImageKind> kind = OutputKind(options.args[1], err);
    // default.dat is read too, for the flash layout.
    if (!kind || !OutputIsNoInput({options.args[0], kSettingsFileName}, options.args[1], err)) {
        return kExitUsage;
    }
    std::string error;
    const std::optional<std::vector<uint8_t>> json =
        ReadWholeFile(options.args[0], kMaxJsonFileSize, error);
    if (!json) return FileError(err, error);
    Workspace work;
    if (const std::string problem = ApplyCliStartupHeader(options, work.db->header);
        !problem.empty()) {
        err << "zev-cli: " << problem << '\n';
    }
    const JsonResult result = DatabaseFromJson(*json, *work.db);
    if (result.status == JsonStatus::Invalid) {
        return FileError(err, "\"" + options.args[0] + "\": " + result.error);
    }
    if (result.status == JsonStatus::Refused) return Refused(err, result.error);
    return PackAndWrite(options.args[1], *kind, work, err);
}

int Convert(const CliOptions& options, std::ostream& err) {
    const std::optional<ImageKind> kind = OutputKind(options.args[1], err);
    if (!kind || !OutputIsNoInput({options.args[0]}, options.args[1], err)) return kExitUsage;
    Workspace work;
    if (int status = LoadImage(options.args[0], work, err); status != kExitOk) return status;
    return PackAndWrite(options.args[1], *kind, work, err);
}

// Builds the image Update Parameters would send. `out` gets the record counts as the terminal
// shows them, `err` every malformed line.
int UpdateImage(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string& dataPath = options.args[0];
    if (!OutputIsNoInput({dataPath}, options.args[1], err)) return kExitUsage;
    std::string error;
    const std::optional<std::vector<uint8_t>> bytes =
        ReadWholeFile(dataPath, kMaxDataFileSize, error);
    if (!bytes) return FileError(err, error);
    const auto data = std::make_unique<ParameterDataFile>();
    if (!data->Parse(*bytes)) return FileError(err, dataPath + ": Input file is invalid !");
    for (const MalformedLine& line : data->MalformedLines()) {
        err << "zev-cli: " << dataPath << ":" << MalformedLineText(line) << '\n';
    }
    if (const std::string problem = UpdateImageProblem(*data, kInputImageSize); !problem.empty()) {
        return FileError(err, dataPath + ": " + problem);
    }
    std::vector<uint8_t> image(UpdateImageLength(*data));
    BuildUpdateImage(*data, image);
    out << UpdateImageCountsText(*data) << '\n';
    if (!WriteFileAtomically(options.args[1], image, error)) return FileError(err, error);
    return kExitOk;
}

}  // namespace

std::span<const CommandUsage> FileCommandTable() { return kCommands; }

int RunFileCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const CommandUsage* command = FindCommand(kCommands, options.command);
    if (command == nullptr) return FileError(err, "unknown command \"" + options.command + "\"");
    if (!ArgumentsFit(*command, options, err)) return kExitUsage;
    if (options.command == "dump") return Dump(options, out, err);
    if (options.command == "build") return Build(options, err);
    if (options.command == "update-image") return UpdateImage(options, out, err);
    return Convert(options, err);
}

}  // namespace zev::cli
