// Random access to bytes that need not all be in memory (a file): the file checks look at a
// few places of a large file, and the transfers read it block by block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

namespace zev {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // How many bytes there are; nullopt when that cannot be told.
    virtual std::optional<uint64_t> Size() = 0;
    // `count` bytes from `position`; false when they are not all there.
    virtual bool ReadAt(uint64_t position, uint8_t* out, std::size_t count) = 0;
    // Nothing more will be read: a file may be closed now.
    virtual void Release() {}
};

class MemoryByteSource : public ByteSource {
  public:
    explicit MemoryByteSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    std::optional<uint64_t> Size() override { return bytes_.size(); }
    bool ReadAt(uint64_t position, uint8_t* out, std::size_t count) override {
        if (position > bytes_.size() || count > bytes_.size() - position) {
            return false;
        }
        std::memcpy(out, bytes_.data() + position, count);
        return true;
    }

  private:
    std::span<const uint8_t> bytes_;
};

}  // namespace zev
