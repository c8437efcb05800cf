// The commands of ListCommands.h, one function each, and what they share: reading the input
// database, the CSV files and the --position options. They write images with
// ImageOutput.h's PackAndWrite, as every command does.
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

// The files a command reads, for CheckOutputs: `databases` (read by LoadListInput or as the
// reference of reorder), each a file of its own, but the three CSV files of `export` for a
// `.csv`; then `others` as they are, and default.dat, which the JSON form's header may come
// from.
std::vector<std::string> ListInputFiles(const std::vector<std::string>& databases,
                                        const std::vector<std::string>& others = {});

// The three CSV files of `export` for the name of the first.
std::vector<std::string> CsvInputFiles(const std::string& path);

// Reads any database file zev-cli reads (an image by its extension, or the JSON form); nullptr
// when it cannot, with the message on `err` and the exit status in `status`.
std::unique_ptr<ChannelDatabase> LoadListInput(const std::string& path, const CliOptions& options,
                                               std::ostream& err, int& status);

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
