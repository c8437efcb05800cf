#include "cli/ImageOutput.h"

#include <ostream>

#include "cli/CliOptions.h"
#include "cli/ImageFiles.h"
#include "core/FileName.h"
#include "core/OutputFiles.h"
#include "editing/DatabaseCheck.h"

namespace zev::cli {

int ReportFileError(std::ostream& err, const std::string& message) {
    err << "zev-cli: " << message << '\n';
    return kExitUsage;
}

std::optional<ImageKind> OutputImageKind(const std::string& path, std::ostream& err) {
    std::optional<ImageKind> kind = ImageKindForExtension(FileExtension(path));
    if (!kind) {
        err << "zev-cli: the output file \"" << path
            << "\" must end in .stc (user block), .def (default-channel block) or .all (both)\n";
    }
    return kind;
}

bool OutputsAreNoInputs(const std::vector<std::string>& inputs,
                        const std::vector<std::string>& outputs, std::ostream& err) {
    const auto checked = CheckOutputs(inputs, outputs);
    if (!checked) ReportFileError(err, checked.error().text.English());
    return checked.ok();
}

// A file zev-cli writes is never one that `check` or `send` refuses.
int PackAndWrite(const ChannelDatabase& db, ImageKind kind, const std::string& path,
                 std::ostream& err) {
    if (const CheckResult checked = CheckDatabase(db, kind); checked.HasErrors()) {
        for (const CheckFinding& finding : checked.findings) {
            if (finding.Severity() == CheckSeverity::Error) err << FindingLine(finding) << '\n';
        }
        err << "zev-cli: nothing written: the image has errors the receiver would misread\n";
        return kExitFailed;
    }
    std::vector<uint8_t> buffer(kOutputImageSize);
    const ImageResult result = PackImage(db, kind, buffer);
    if (!result.ok) {
        // A refused image is reported with exactly the text the desktop program shows.
        err << result.error << '\n';
        return kExitFailed;
    }
    std::string error;
    if (!WriteFileAtomically(path, std::span<const uint8_t>(buffer).first(result.size), error)) {
        return ReportFileError(err, error);
    }
    return kExitOk;
}

}  // namespace zev::cli
