#include "protocols/FileByteSource.h"

#include <limits>

namespace zev {

std::optional<uint64_t> FileByteSource::Size() {
    if (file_ == nullptr || std::fseek(file_, 0, SEEK_END) != 0) {
        return std::nullopt;
    }
    const long size = std::ftell(file_);
    if (size < 0) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(size);
}

bool FileByteSource::ReadAt(uint64_t position, uint8_t* out, std::size_t count) {
    return file_ != nullptr &&
           position <= static_cast<uint64_t>(std::numeric_limits<long>::max()) &&
           std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0 &&
           std::fread(out, 1, count, file_) == count;
}

}  // namespace zev
