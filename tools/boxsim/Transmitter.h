// Collects what the receiver sends until the line driver takes it. Bulk data (blocks of a
// settings load) is kept apart from answers so that the driver can pace answers byte by byte
// without slowing the data down.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "WireFormat.h"

namespace zev::boxsim {

struct OutputChunk {
    Bytes bytes;
    bool bulk = false;
};

class Transmitter {
  public:
    void send(Bytes bytes) { append(std::move(bytes), false); }
    void send(std::uint8_t byte) { append(Bytes{byte}, false); }
    void sendBulk(std::span<const std::uint8_t> data) {
        append(Bytes(data.begin(), data.end()), true);
    }

    std::vector<OutputChunk> take() { return std::exchange(chunks_, {}); }
    void discard() { chunks_.clear(); }

  private:
    void append(Bytes bytes, bool bulk) {
        if (!chunks_.empty() && chunks_.back().bulk == bulk) {
            chunks_.back().bytes.insert(chunks_.back().bytes.end(), bytes.begin(), bytes.end());
        } else {
            chunks_.push_back({std::move(bytes), bulk});
        }
    }

    std::vector<OutputChunk> chunks_;
};

}  // namespace zev::boxsim
