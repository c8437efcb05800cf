#include <ostream>

#include "cli/ImageOutput.h"
#include "cli/ListCommandSteps.h"
#include "core/FileName.h"
#include "editing/ReferenceOrder.h"

namespace zev::cli {

namespace {

// The channel lists of REF: a database file, or the CSV files of `export`.
std::optional<ReferenceLists> LoadReference(const std::string& path, const CliOptions& options,
                                            std::ostream& err, int& status) {
    if (FileExtension(path) != "csv") {
        const auto db = LoadListInput(path, options, err, status);
        if (!db) return std::nullopt;
        return ReferenceListsOf(*db);
    }
    const std::optional<CsvFileTexts> files = ReadCsvFiles(path, err, status);
    if (!files) return std::nullopt;
    auto reference = ReferenceListsFromCsv(files->Files());
    if (!reference) {
        status = ReportCsvProblems(reference.error(), err);
        return std::nullopt;
    }
    return std::move(*reference);
}

}  // namespace

// zev-cli reorder IN REF OUT: both lists of IN in the order of REF's.
int ReorderCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<ImageKind> kind = OutputImageKind(options.args[2], err);
    if (!kind || !OutputsAreNoInputs(ListInputFiles({options.args[0], options.args[1]}),
                                     {options.args[2]}, err)) {
        return kExitUsage;
    }
    int status = kExitOk;
    const auto db = LoadListInput(options.args[0], options, err, status);
    if (!db) return status;
    const std::optional<ReferenceLists> reference =
        LoadReference(options.args[1], options, err, status);
    if (!reference) return status;

    const ReorderResult result = OrderLikeReference(*db, *reference);
    status = PackAndWrite(*db, *kind, options.args[2], err);
    if (status == kExitOk) out << ReorderSummary(result) << '\n';
    return status;
}

}  // namespace zev::cli
