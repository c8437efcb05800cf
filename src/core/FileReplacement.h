// Writing a file the user names so that it is never left half written: the bytes go to a
// temporary file beside it, which takes its name only once every byte is on disk. Only a
// regular file is replaced, and only one whose mode allows writing (checked from the mode
// itself, since the super-user may write anything); the new file keeps the old one's mode.
// Through a symbolic link the file it points to is replaced, the link stays.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "core/FileError.h"

namespace zev {

class FileReplacement {
  public:
    explicit FileReplacement(std::string path);
    // Removes the temporary file unless it replaced the target.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Checks the target and creates the temporary file beside it.
    bool Begin(FileError& error);
    bool Write(std::span<const uint8_t> bytes, FileError& error);
    // Flushes the temporary file to disk and gives it the target's mode.
    bool Finish(FileError& error);
    // Renames the finished temporary file over the target, after looking once more that the
    // target is still a file that may be replaced.
    bool Replace(FileError& error);

  private:
    void Discard();

    std::string path_;    // as given, for messages
    std::string target_;  // the file that is replaced: `path_` with symbolic links resolved
    std::string temporary_;
    std::FILE* file_ = nullptr;
    bool existed_ = false;
    unsigned mode_ = 0;
    long long owner_ = -1;
    long long group_ = -1;
    bool replaced_ = false;
};

// Replaces (or creates) `path` with `bytes`.
bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, FileError& error);

struct FileContents {
    std::string path;
    std::span<const uint8_t> bytes;
};

// Writes every file completely before any of them replaces its target; when one cannot be
// written, none is replaced. Only a failing rename part-way can leave some replaced.
bool ReplaceFiles(std::span<const FileContents> files, FileError& error);

}  // namespace zev
