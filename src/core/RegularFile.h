// Reading files the user names. Only regular files are read: a device, a pipe or a directory
// would give bytes without end, block for ever or not be a file at all. Every read is bounded
// by what it reads, never by the size the file system reports (0 for many special files).
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/FileError.h"

namespace zev {

// Opens `path` for reading ("rb") or for reading and writing without truncating ("r+b") when it
// is a regular file. A pipe is opened without waiting for a writer, and refused like every
// other file that is not regular. nullptr (and `error`) when it cannot be opened or is refused.
std::FILE* OpenRegularFile(const std::string& path, bool forWriting, FileError& error);

// What to do with a file longer than the bytes asked for.
enum class Overlong {
    ReadPrefix,  // read the first bytes, ignore the rest
    Refuse,      // FileProblem::TooLarge
};

// Reads at most `limit` bytes from the start of the regular file `path`.
std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, std::size_t limit,
                                                    Overlong overlong, FileError& error);

// Reads at most `limit` bytes from the current position of an open file. With
// Overlong::Refuse, one byte more is read to tell whether the file goes on.
std::optional<std::vector<uint8_t>> ReadOpenFile(std::FILE* file, const std::string& path,
                                                 std::size_t limit, Overlong overlong,
                                                 FileError& error);

// A size for messages: "256 MB", "64 KB", "100 bytes".
std::string SizeText(std::size_t bytes);

}  // namespace zev
