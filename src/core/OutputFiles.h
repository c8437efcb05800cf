// The files a command writes must be files it does not read, and each a file of its own.
// Names are compared by what they lead to, so a symbolic link, a hard link or another
// spelling of a path ("./a.stc", "dir/../a.stc") is the file it names.
#pragma once

#include <string>
#include <vector>

#include "core/FileError.h"
#include "core/Result.h"

namespace zev {

// Refuses (FileProblem::OutputIsInput) an output that is the same file as one of `inputs`, and
// (FileProblem::OutputsClash) two outputs that are the same file. A command calls it with all
// its inputs and outputs before it reads or writes anything:
//     if (auto checked = CheckOutputs({in}, {out, log}); !checked) ... checked.error() ...
Result<void, FileError> CheckOutputs(const std::vector<std::string>& inputs,
                                     const std::vector<std::string>& outputs);

}  // namespace zev
