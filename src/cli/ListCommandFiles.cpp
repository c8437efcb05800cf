#include <ostream>

#include "cli/DatabaseFiles.h"
#include "cli/ImageFiles.h"
#include "cli/ImageOutput.h"
#include "cli/ListCommandSteps.h"
#include "core/FileName.h"
#include "core/Latin1Text.h"
#include "core/Quoted.h"
#include "database/RecordName.h"
#include "editing/RecordLinks.h"
#include "editing/TransponderFile.h"
#include "formats/CsvExport.h"
#include "settings/SettingsFile.h"

namespace zev::cli {

std::vector<std::string> CsvInputFiles(const std::string& path) {
    const CsvPaths paths = CsvExportPaths(path);
    return {paths.channels, paths.transponders, paths.satellites};
}

std::vector<std::string> ListInputFiles(const std::vector<std::string>& databases,
                                        const std::vector<std::string>& others) {
    std::vector<std::string> inputs{kSettingsFileName};
    for (const std::string& name : databases) {
        if (FileExtension(name) == "csv") {
            const std::vector<std::string> csv = CsvInputFiles(name);
            inputs.insert(inputs.end(), csv.begin(), csv.end());
        } else {
            inputs.push_back(name);
        }
    }
    inputs.insert(inputs.end(), others.begin(), others.end());
    return inputs;
}

std::unique_ptr<ChannelDatabase> LoadListInput(const std::string& path, const CliOptions& options,
                                               std::ostream& err, int& status) {
    auto db = std::make_unique<ChannelDatabase>();
    const LoadResult loaded = LoadDatabaseFile(path, options, *db);
    if (!loaded.warning.empty()) err << "zev-cli: " << loaded.warning << '\n';
    switch (loaded.status) {
        case LoadStatus::Ok:
            return db;
        case LoadStatus::FileError:
            status = ReportFileError(err, loaded.error);
            break;
        case LoadStatus::Refused:
            err << Quoted(path) << ": " << loaded.error << '\n';
            status = kExitFailed;
            break;
    }
    return nullptr;
}

std::optional<CsvFileTexts> ReadCsvFiles(const std::string& path, std::ostream& err, int& status) {
    CsvFileTexts files;
    for (const std::string& name : CsvInputFiles(path)) {
        std::string error;
        std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(name, kMaxCsvFileSize, error);
        if (!bytes) {
            status = ReportFileError(err, error);
            return std::nullopt;
        }
        files.names.push_back(name);
        files.bytes.push_back(std::move(*bytes));
    }
    return files;
}

int ReportCsvProblems(const std::vector<CsvProblem>& problems, std::ostream& err) {
    for (const CsvProblem& problem : problems) err << "zev-cli: " << problem.Text() << '\n';
    return kExitUsage;
}

std::optional<std::vector<std::optional<int>>> SatellitePositions(const CliOptions& options,
                                                                  const ChannelDatabase& db,
                                                                  std::ostream& err) {
    std::vector<std::optional<int>> positions(SatellitesInUse(db));
    for (const std::string& given : options.positions) {
        const std::size_t equals = given.rfind('=');
        const std::optional<int> position = equals == std::string::npos
                                                ? std::nullopt
                                                : ParseOrbitalPosition(given.substr(equals + 1));
        if (!position || equals == 0) {
            ReportFileError(err,
                            "option --position takes NAME=POS, such as SAT-EAST=19.2E or "
                            "SAT-WEST=30.0W, not " +
                                Quoted(given));
            return std::nullopt;
        }
        const Result<std::string, char32_t> name = Utf8ToLatin1(given.substr(0, equals));
        bool found = false;
        for (std::size_t s = 0; name && s < positions.size(); ++s) {
            if (NameBytes(db.satellites[s].Name) != *name) continue;
            if (positions[s] && *positions[s] != *position) {
                ReportFileError(err, "option --position gives " + Quoted(given.substr(0, equals)) +
                                         " two positions");
                return std::nullopt;
            }
            positions[s] = position;
            found = true;
        }
        if (!found) {
            ReportFileError(err, "option --position names no satellite of the input: " +
                                     Quoted(given.substr(0, equals)));
            return std::nullopt;
        }
    }
    return positions;
}

}  // namespace zev::cli
