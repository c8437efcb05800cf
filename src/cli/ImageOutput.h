// How zev-cli writes a parameter image, the same for every command that writes one: the
// output's extension names the kind, the output may name none of the command's inputs, and the
// image is written only when `check` finds no error in it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"

namespace zev::cli {

// "zev-cli: MESSAGE" on `err`; the exit status of a usage or file error.
int ReportFileError(std::ostream& err, const std::string& message);

// The image kind OUT's extension names; reported on `err` when it names none.
std::optional<ImageKind> OutputImageKind(const std::string& path, std::ostream& err);

// False (reported on `err`) when an output is one of the inputs, or two outputs are the same
// file, under any name.
bool OutputsAreNoInputs(const std::vector<std::string>& inputs,
                        const std::vector<std::string>& outputs, std::ostream& err);

// Checks the database as `check` does and, without errors, packs it as `kind` and writes it
// whole or not at all. The exit status:
// kExitFailed for errors in the image or one its layout refuses, kExitUsage when the file
// cannot be written.
int PackAndWrite(const ChannelDatabase& db, ImageKind kind, const std::string& path,
                 std::ostream& err);

}  // namespace zev::cli
