// Reading a database from any file zev-cli accepts, and writing several output files so that
// an error never leaves one of them half written.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"

namespace zev::cli {

// What a database file holds, by its extension (compared case-sensitively).
enum class DatabaseSource {
    UserBlock,     // .stc, and any file without one of the other extensions
    DefaultBlock,  // .def
    BothBlocks,    // .all: a default-channel block followed by the user block, which is read
    Json,          // .json: the JSON form of `zev-cli build`
};

DatabaseSource SourceOfPath(const std::string& path);

// The image kind the source was packed as (User for the JSON form).
ImageKind ImageKindOf(DatabaseSource source);

enum class LoadStatus {
    Ok,
    FileError,  // the file cannot be read, or is not the JSON form: `error` names the file
    Refused,    // the image or JSON does not fit its own layout: `error` is the sentence for it
};

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    std::string error;
    // A sentence to show even when the load succeeded (default.dat could not be read).
    std::string warning;
};

// Reads `path` into `db` as its extension says. For the JSON form, header fields it leaves out
// take the start-up values and the flash layout of the options, as `build` does.
LoadResult LoadDatabaseFile(const std::string& path, const CliOptions& options,
                            ChannelDatabase& db);

// Reads `path` into `db` as a parameter image: .def and .all as such, any other file as a
// user block.
LoadResult LoadImageFile(const std::string& path, ChannelDatabase& db);

// The flash layout for header fields the JSON leaves out: the options, else default.dat in the
// working directory (read, never created), else "8M bits" and "2 Sectors". Returns a sentence
// when default.dat is there but cannot be read (empty otherwise).
std::string ApplyCliStartupHeader(const CliOptions& options, DatabaseHeader& header);

struct OutputFile {
    std::string path;
    std::string bytes;
};

// Writes each file to a temporary file beside it and renames them over their paths only once
// every one was written completely. False (and `error`) when one could not be written or an
// existing one may not be replaced (no regular file, read-only); no file has been replaced
// unless renaming itself failed part-way.
bool WriteFilesAtomically(const std::vector<OutputFile>& files, std::string& error);

}  // namespace zev::cli
