// The commands of ListCommands.h, one function each, and what they share: reading the input
// database and writing the output image as the other commands do.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "database/ChannelDatabase.h"
#include "formats/CsvImport.h"
#include "formats/ParameterImage.h"

namespace zev::cli {

int SortCommand(const CliOptions& options, std::ostream& out, std::ostream& err);
int ReorderCommand(const CliOptions& options, std::ostream& out, std::ostream& err);
int ImportCommand(const CliOptions& options, std::ostream& out, std::ostream& err);
int TranspondersExportCommand(const CliOptions& options, std::ostream& out, std::ostream& err);
int TranspondersImportCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

// "zev-cli: MESSAGE" on `err`; the exit status of a usage or file error.
int ListUsageError(std::ostream& err, const std::string& message);

// The image kind OUT's extension names; reported on `err` when it names none.
std::optional<ImageKind> ListOutputKind(const std::string& path, std::ostream& err);

// Reads any database file zev-cli reads (an image by its extension, or the JSON form); nullptr
// when it cannot, with the message on `err` and the exit status in `status`.
std::unique_ptr<ChannelDatabase> LoadListInput(const std::string& path, const CliOptions& options,
                                               std::ostream& err, int& status);

// Packs the database as `kind` and writes it whole or not at all; the exit status.
int WriteListOutput(const ChannelDatabase& db, const std::string& path, ImageKind kind,
                    std::ostream& err);

// The three CSV files of `export` for the name of the first; nullopt (reported, status in
// `status`) when one cannot be read.
struct CsvFileTexts {
    std::vector<std::string> names;  // channels, transponders, satellites
    std::vector<std::vector<uint8_t>> bytes;

    CsvImportFiles Files() const {
        return {{names[0], bytes[0]}, {names[1], bytes[1]}, {names[2], bytes[2]}};
    }
};
std::optional<CsvFileTexts> ReadCsvFiles(const std::string& path, std::ostream& err, int& status);

// Each problem on a line of its own; the exit status of unusable input.
int ReportCsvProblems(const std::vector<CsvProblem>& problems, std::ostream& err);

// The positions of --position NAME=POS for each satellite of `db`; nullopt when one is
// malformed or names no satellite (reported).
std::optional<std::vector<std::optional<int>>> SatellitePositions(const CliOptions& options,
                                                                  const ChannelDatabase& db,
                                                                  std::ostream& err);

}  // namespace zev::cli
