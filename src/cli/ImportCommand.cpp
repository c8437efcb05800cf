#include <ostream>

#include "cli/ImageOutput.h"
#include "cli/ListCommandSteps.h"

namespace zev::cli {

// zev-cli import BASE IN.csv OUT: the records of the three CSV files of `export` with
// everything else of BASE.
int ImportCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<ImageKind> kind = OutputImageKind(options.args[2], err);
    if (!kind ||
        !OutputsAreNoInputs(ListInputFiles({options.args[0]}, CsvInputFiles(options.args[1])),
                            {options.args[2]}, err)) {
        return kExitUsage;
    }
    int status = kExitOk;
    const auto db = LoadListInput(options.args[0], options, err, status);
    if (!db) return status;
    const std::optional<CsvFileTexts> files = ReadCsvFiles(options.args[1], err, status);
    if (!files) return status;

    const auto imported = ImportCsv(*db, files->Files());
    if (!imported) return ReportCsvProblems(imported.error(), err);
    status = PackAndWrite(*db, *kind, options.args[2], err);
    if (status == kExitOk) out << "Imported " << CsvImportSummary(*imported) << '\n';
    return status;
}

}  // namespace zev::cli
