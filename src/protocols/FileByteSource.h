// An open file as a ByteSource, for the runs that send a file block by block.
#pragma once

#include <cstdio>

#include "core/ByteSource.h"

namespace zev {

// Reads the file from its beginning; the file stays owned by the caller.
class FileByteSource : public ByteSource {
  public:
    explicit FileByteSource(std::FILE* file) : file_(file) {}
    std::optional<uint64_t> Size() override;
    bool ReadAt(uint64_t position, uint8_t* out, std::size_t count) override;

  private:
    std::FILE* file_;
};

}  // namespace zev
