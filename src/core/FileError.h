// What went wrong with a file the user named, as a kind for callers that word it their own way
// and as one sentence for those that show it as it is.
#pragma once

#include <string>

#include "core/Translatable.h"

namespace zev {

enum class FileProblem {
    None,
    CannotOpen,    // missing, no permission, ...
    CannotCreate,  // no file can be made there
    NotRegular,    // a directory, device, pipe or socket
    ReadOnly,      // an existing file whose mode allows no writing
    TooLarge,      // more bytes than the caller reads
    ReadFailed,
    WriteFailed,
    OutputIsInput,  // a file the command writes is one it reads
    OutputsClash,   // two files the command writes are the same file
};

struct FileError {
    FileProblem problem = FileProblem::None;
    // What happened, naming the file, e.g. "\"/dev/zero\" is not a regular file" or
    // "cannot open \"x.stc\": No such file or directory"; a message line for zev-cli.
    Translatable text;

    // The text as a sentence of its own: capital letter, full stop.
    Translatable SentenceText() const { return Translatable::Sentence(text); }
    // The same in English.
    std::string Sentence() const { return SentenceText().English(); }
};

}  // namespace zev
