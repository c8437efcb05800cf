// The bytes of one incoming frame, collected one at a time. It never holds more than its 20
// bytes: a byte that would overflow it is refused.
#pragma once

#include <array>
#include <cstdint>

namespace zev {

class FrameBuffer {
  public:
    static constexpr std::size_t kCapacity = 20;

    // Stores the byte after the ones collected; false (nothing stored) when full.
    bool Collect(uint8_t value) {
        if (count_ >= kCapacity) {
            return false;
        }
        bytes_[count_++] = value;
        return true;
    }
    void Clear() { count_ = 0; }
    uint8_t Count() const { return count_; }
    uint8_t operator[](std::size_t index) const { return bytes_[index]; }
    const uint8_t* Data() const { return bytes_.data(); }

  private:
    std::array<uint8_t, kCapacity> bytes_{};
    uint8_t count_ = 0;
};

}  // namespace zev
