// The data checksum of every transfer: the data taken as 16-bit little-endian words, summed
// in a wrapping 32-bit accumulator; an odd last byte forms a word with 0xFF as high byte.
#pragma once

#include <cstdint>

namespace zev {

class WordChecksum {
  public:
    void Reset() {
        sum_ = 0;
        pending_ = 0;
    }
    void ResetPending() { pending_ = 0; }

    // The data byte at `position` of the transfer.
    void Add(uint32_t position, uint8_t value) {
        if (position % 2 == 0) {
            pending_ = value;
        } else {
            sum_ += static_cast<uint32_t>(value) * 256u + pending_;
        }
    }
    // Closes data of odd length: the pending last byte with 0xFF as its high byte.
    void AddOddTail() { sum_ += 0xFF00u + pending_; }

    uint32_t Sum() const { return sum_; }

  private:
    uint32_t sum_ = 0;
    uint8_t pending_ = 0;
};

}  // namespace zev
