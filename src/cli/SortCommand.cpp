#include <ostream>

#include "cli/ImageOutput.h"
#include "cli/ListCommandSteps.h"
#include "core/Quoted.h"
#include "editing/ChannelSort.h"

namespace zev::cli {

// zev-cli sort IN OUT --by KEY [--descending] [--list tv|radio|both]: each list on its own.
int SortCommand(const CliOptions& options, std::ostream&, std::ostream& err) {
    if (!options.sortBy) return ReportFileError(err, "sort needs --by name, sat, freq or sid");
    const std::optional<ChannelSortKey> key = SortKeyNamed(*options.sortBy);
    if (!key) {
        return ReportFileError(
            err, "option --by takes name, sat, freq or sid, not " + Quoted(*options.sortBy));
    }
    const std::string list = options.list.value_or("both");
    if (list != "tv" && list != "radio" && list != "both") {
        return ReportFileError(err, "option --list takes tv, radio or both, not " + Quoted(list));
    }
    const std::optional<ImageKind> kind = OutputImageKind(options.args[1], err);
    if (!kind || !OutputsAreNoInputs(ListInputFiles({options.args[0]}), {options.args[1]}, err)) {
        return kExitUsage;
    }
    int status = kExitOk;
    const auto db = LoadListInput(options.args[0], options, err, status);
    if (!db) return status;

    const ChannelSortOrder order{*key, options.descending};
    if (list != "radio") SortChannelList(*db, true, order);
    if (list != "tv") SortChannelList(*db, false, order);
    return PackAndWrite(*db, *kind, options.args[1], err);
}

}  // namespace zev::cli
