#include "cli/DatabaseCommands.h"

#include <memory>
#include <ostream>

#include "cli/CommandTable.h"
#include "cli/DatabaseFiles.h"
#include "cli/ImageOutput.h"
#include "cli/ReportJson.h"
#include "core/OutputFiles.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "editing/DiffText.h"
#include "formats/CsvExport.h"
#include "settings/SettingsFile.h"

namespace zev::cli {

namespace {

constexpr CommandUsage kCommands[] = {
    {"check", 1, "zev-cli check FILE [--json]", "--json --flash --user"},
    {"diff", 2, "zev-cli diff A B [--json]", "--json --flash --user"},
    {"export", 2, "zev-cli export FILE OUT.csv", "--flash --user"},
};

// Reads a database as LoadDatabaseFile does, showing its warning (an unreadable default.dat).
LoadResult Load(const std::string& path, const CliOptions& options, ChannelDatabase& db,
                std::ostream& err) {
    LoadResult loaded = LoadDatabaseFile(path, options, db);
    if (!loaded.warning.empty()) err << "zev-cli: " << loaded.warning << '\n';
    return loaded;
}

int Check(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string& path = options.args[0];
    const auto db = std::make_unique<ChannelDatabase>();
    const LoadResult loaded = Load(path, options, *db, err);
    if (loaded.status == LoadStatus::FileError) return ReportFileError(err, loaded.error);
    // An image that does not fit its own layout is the worst finding there is, not a usage
    // error: the report says so and the exit status is that of any error.
    const CheckResult result = loaded.status == LoadStatus::Refused
                                   ? RefusedImageResult(loaded.error)
                                   : CheckDatabase(*db, ImageKindOf(SourceOfPath(path)));
    out << (options.json ? CheckToJson(result) : CheckReportText(result));
    return result.HasErrors() ? kExitFailed : kExitOk;
}

// Exit status 1 means "different", so a file that cannot be compared is a file error.
int Diff(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const auto before = std::make_unique<ChannelDatabase>();
    const auto after = std::make_unique<ChannelDatabase>();
    for (const auto& [path, db] :
         {std::pair{options.args[0], before.get()}, std::pair{options.args[1], after.get()}}) {
        const LoadResult loaded = Load(path, options, *db, err);
        if (loaded.status == LoadStatus::FileError) return ReportFileError(err, loaded.error);
        if (loaded.status == LoadStatus::Refused) {
            return ReportFileError(err, "\"" + path + "\": " + loaded.error);
        }
    }
    DiffOptions diffOptions;
    diffOptions.compareMagic = SourceOfPath(options.args[0]) == SourceOfPath(options.args[1]);
    const DatabaseDiff diff = DiffDatabases(*before, *after, diffOptions);
    out << (options.json ? DiffToJson(diff) : DiffText(diff));
    return diff.Equal() ? kExitOk : kExitFailed;
}

int Export(const CliOptions& options, std::ostream& err) {
    const CsvPaths paths = CsvExportPaths(options.args[1]);
    // default.dat is read too, for the flash layout of the JSON form.
    if (const auto checked = CheckOutputs({options.args[0], kSettingsFileName},
                                          {paths.channels, paths.transponders, paths.satellites});
        !checked) {
        return ReportFileError(err, checked.error().text.English());
    }
    const auto db = std::make_unique<ChannelDatabase>();
    const LoadResult loaded = Load(options.args[0], options, *db, err);
    if (loaded.status == LoadStatus::FileError) return ReportFileError(err, loaded.error);
    if (loaded.status == LoadStatus::Refused) {
        err << loaded.error << '\n';
        return kExitFailed;
    }
    CsvTables tables = ExportCsv(*db);
    std::string error;
    if (!WriteFilesAtomically({{paths.channels, std::move(tables.channels)},
                               {paths.transponders, std::move(tables.transponders)},
                               {paths.satellites, std::move(tables.satellites)}},
                              error)) {
        return ReportFileError(err, error);
    }
    return kExitOk;
}

}  // namespace

std::span<const CommandUsage> DatabaseCommandTable() { return kCommands; }

int RunDatabaseCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const CommandUsage* command = FindCommand(kCommands, options.command);
    if (command == nullptr)
        return ReportFileError(err, "unknown command \"" + options.command + "\"");
    if (!ArgumentsFit(*command, options, err)) return kExitUsage;
    if (options.command == "check") return Check(options, out, err);
    if (options.command == "diff") return Diff(options, out, err);
    return Export(options, err);
}

}  // namespace zev::cli
