// A data file that a run sends from (software, OTA): opened by the command, read block by
// block, and closed once the last block has gone, when the run ends, or by Stop Update.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteSource.h"
#include "core/FileError.h"

namespace zev {

class RunFile : public ByteSource {
  public:
    // Opens a regular file for reading in binary; nullptr (and `error`) when it cannot be
    // opened or is no regular file (a pipe or device would block or never end).
    static std::unique_ptr<RunFile> Open(const std::string& path, FileError& error);
    ~RunFile() override { Close(); }
    RunFile(const RunFile&) = delete;
    RunFile& operator=(const RunFile&) = delete;

    std::optional<uint64_t> Size() override;
    bool ReadAt(uint64_t position, uint8_t* out, std::size_t count) override;
    void Release() override { Close(); }

    // The whole file of at most `limit` bytes, read once; nullopt (and `error`) when it cannot
    // be read or is longer.
    std::optional<std::vector<uint8_t>> ReadAll(std::size_t limit, FileError& error);

    bool IsOpen() const { return file_ != nullptr; }
    void Close();

  private:
    RunFile(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}

    std::FILE* file_;
    std::string path_;
};

}  // namespace zev
