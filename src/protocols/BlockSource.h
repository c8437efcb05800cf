// Where a transfer's data come from: the image buffer or an open file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>

namespace zev {

class BlockSource {
  public:
    virtual ~BlockSource() = default;
    // `count` bytes from `position` of the data; false when they are not all there.
    virtual bool ReadAt(uint32_t position, uint8_t* out, std::size_t count) = 0;
};

class MemoryBlockSource : public BlockSource {
  public:
    explicit MemoryBlockSource(std::span<const uint8_t> data) : data_(data) {}
    bool ReadAt(uint32_t position, uint8_t* out, std::size_t count) override;

  private:
    std::span<const uint8_t> data_;
};

// Reads the file from its beginning; the file stays owned by the caller.
class FileBlockSource : public BlockSource {
  public:
    explicit FileBlockSource(std::FILE* file) : file_(file) {}
    bool ReadAt(uint32_t position, uint8_t* out, std::size_t count) override;

  private:
    std::FILE* file_;
};

}  // namespace zev
