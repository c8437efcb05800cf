// Gathers a fixed number of received bytes (a frame or a header) before they are looked at.
#pragma once

#include <cstddef>
#include <cstdint>

#include "WireFormat.h"

namespace zev::boxsim {

class ByteCollector {
  public:
    void expect(std::size_t count) {
        wanted_ = count;
        bytes_.clear();
    }
    // Returns true when the byte completed the expected count.
    bool add(std::uint8_t byte) {
        bytes_.push_back(byte);
        return bytes_.size() == wanted_;
    }
    const Bytes& bytes() const { return bytes_; }
    bool equals(std::initializer_list<std::uint8_t> expected) const {
        return bytes_ == Bytes(expected);
    }

  private:
    Bytes bytes_;
    std::size_t wanted_ = 0;
};

}  // namespace zev::boxsim
