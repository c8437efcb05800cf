#include <ostream>

#include "cli/ListCommandSteps.h"
#include "core/FileName.h"
#include "database/FlashLayout.h"
#include "editing/ReferenceOrder.h"
#include "formats/CsvImport.h"

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
    // The reference is only read, so it may hold as much as the program's tables.
    auto db = std::make_unique<ChannelDatabase>();
    db->header.SatCapacity = kMaxSatellites - 1;
    db->header.TpCapacity = kMaxTransponders;
    db->header.ChannelCapacity = kMaxChannelSlots;
    const auto imported = ImportCsv(*db, {{files->names[0], files->bytes[0]},
                                          {files->names[1], files->bytes[1]},
                                          {files->names[2], files->bytes[2]}});
    if (!imported) {
        for (const CsvProblem& problem : imported.error())
            err << "zev-cli: " << problem.Text() << '\n';
        status = kExitUsage;
        return std::nullopt;
    }
    return ReferenceListsOf(*db);
}

}  // namespace

// zev-cli reorder IN REF OUT: both lists of IN in the order of REF's.
int ReorderCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<ImageKind> kind = ListOutputKind(options.args[2], err);
    if (!kind) return kExitUsage;
    int status = kExitOk;
    const auto db = LoadListInput(options.args[0], options, err, status);
    if (!db) return status;
    const std::optional<ReferenceLists> reference =
        LoadReference(options.args[1], options, err, status);
    if (!reference) return status;

    const ReorderResult result = OrderLikeReference(*db, *reference);
    status = WriteListOutput(*db, options.args[2], *kind, err);
    if (status == kExitOk) out << ReorderSummary(result) << '\n';
    return status;
}

}  // namespace zev::cli
