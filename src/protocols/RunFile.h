// A data file that a run sends from (software, OTA): opened by the command, read block by
// block, and closed once the last block has gone, when the run ends, or by Stop Update.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteSource.h"

namespace zev {

class RunFile : public ByteSource {
  public:
    // Opens the file for reading in binary; nullptr when it cannot be opened.
    static std::unique_ptr<RunFile> Open(const std::string& path);
    ~RunFile() override { Close(); }
    RunFile(const RunFile&) = delete;
    RunFile& operator=(const RunFile&) = delete;

    std::optional<uint64_t> Size() override;
    bool ReadAt(uint64_t position, uint8_t* out, std::size_t count) override;
    void Release() override { Close(); }

    // The whole file, read once; nullopt when it cannot be read.
    std::optional<std::vector<uint8_t>> ReadAll();

    bool IsOpen() const { return file_ != nullptr; }
    void Close();

  private:
    explicit RunFile(std::FILE* file) : file_(file) {}

    std::FILE* file_;
};

}  // namespace zev
