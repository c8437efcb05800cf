#include <ostream>

#include "cli/ListCommandSteps.h"

namespace zev::cli {

// zev-cli import BASE IN.csv OUT: the records of the three CSV files of `export` with
// everything else of BASE.
int ImportCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<ImageKind> kind = ListOutputKind(options.args[2], err);
    if (!kind) return kExitUsage;
    int status = kExitOk;
    const auto db = LoadListInput(options.args[0], options, err, status);
    if (!db) return status;
    const std::optional<CsvFileTexts> files = ReadCsvFiles(options.args[1], err, status);
    if (!files) return status;

    const auto imported = ImportCsv(*db, {{files->names[0], files->bytes[0]},
                                          {files->names[1], files->bytes[1]},
                                          {files->names[2], files->bytes[2]}});
    if (!imported) {
        for (const CsvProblem& problem : imported.error())
            err << "zev-cli: " << problem.Text() << '\n';
        return kExitUsage;
    }
    status = WriteListOutput(*db, options.args[2], *kind, err);
    if (status == kExitOk) out << "Imported " << CsvImportSummary(*imported) << '\n';
    return status;
}

}  // namespace zev::cli
