#include <ostream>

#include "cli/DatabaseFiles.h"
#include "cli/ImageFiles.h"
#include "cli/ImageOutput.h"
#include "cli/ListCommandSteps.h"
#include "editing/TransponderUpdate.h"
#include "exchange/TransponderXml.h"

namespace zev::cli {
namespace {

// The channel list IN and the orbit position of each of its satellites (--position), or no
// list after saying why, with `status` the exit status.
struct ListAndPositions {
    std::unique_ptr<ChannelDatabase> db;
    std::vector<std::optional<int>> positions;
};
std::optional<ListAndPositions> LoadListAndPositions(const CliOptions& options, std::ostream& err,
                                                     int& status) {
    status = kExitOk;
    auto db = LoadListInput(options.args[0], options, err, status);
    if (!db) return std::nullopt;
    auto positions = SatellitePositions(options, *db, err);
    if (!positions) {
        status = kExitUsage;
        return std::nullopt;
    }
    return ListAndPositions{std::move(db), std::move(*positions)};
}

}  // namespace

// zev-cli transponders-export IN OUT.xml [--position NAME=POS]...
int TranspondersExportCommand(const CliOptions& options, std::ostream&, std::ostream& err) {
    if (!OutputsAreNoInputs(ListInputFiles({options.args[0]}), {options.args[1]}, err)) {
        return kExitUsage;
    }
    int status = kExitOk;
    const auto list = LoadListAndPositions(options, err, status);
    if (!list) return status;
    const std::string xml = TransponderXmlText(TransponderFileOf(*list->db, list->positions));
    std::string error;
    if (!WriteFileAtomically(options.args[1],
                             {reinterpret_cast<const uint8_t*>(xml.data()), xml.size()}, error)) {
        return ReportFileError(err, error);
    }
    return kExitOk;
}

// zev-cli transponders-import IN XML OUT [--position NAME=POS]... [--remove-missing]
int TranspondersImportCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<ImageKind> kind = OutputImageKind(options.args[2], err);
    if (!kind || !OutputsAreNoInputs(ListInputFiles({options.args[0]}, {options.args[1]}),
                                     {options.args[2]}, err)) {
        return kExitUsage;
    }
    int status = kExitOk;
    const auto list = LoadListAndPositions(options, err, status);
    if (!list) return status;
    ChannelDatabase* const db = list->db.get();
    std::string error;
    const std::optional<std::vector<uint8_t>> bytes =
        ReadWholeFile(options.args[1], kMaxTransponderXmlSize, error);
    if (!bytes) return ReportFileError(err, error);
    const Result<TransponderFile, Translatable> file = ReadTransponderXml(options.args[1], *bytes);
    if (!file) return ReportFileError(err, file.error().English());

    const std::vector<SatelliteTie> ties = TieSatellites(*db, *file, list->positions);
    std::vector<std::optional<std::size_t>> tied;
    for (const SatelliteTie& tie : ties) tied.push_back(tie.fileSatellite);
    const TransponderUpdatePlan plan =
        PlanTransponderUpdate(*db, *file, tied, options.removeMissing);
    // The report names transponders by their numbers before the update.
    std::string report;
    for (std::size_t s = 0; s < ties.size(); ++s) {
        report += SatelliteUpdateLine(*db, *file, ties[s], plan.satellites[s]) + '\n';
        for (const std::string& line : KeptTransponderLines(*db, plan.satellites[s])) {
            report += line + '\n';
        }
    }
    if (const Result<void, std::string> applied = ApplyTransponderUpdate(*db, plan); !applied) {
        return ReportFileError(err, applied.error());
    }
    status = PackAndWrite(*db, *kind, options.args[2], err);
    if (status == kExitOk) out << report;
    return status;
}

}  // namespace zev::cli
