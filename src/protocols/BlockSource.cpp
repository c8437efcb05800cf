#include "protocols/BlockSource.h"

#include <cstring>

namespace zev {

bool MemoryBlockSource::ReadAt(uint32_t position, uint8_t* out, std::size_t count) {
    if (position > data_.size() || count > data_.size() - position) {
        return false;
    }
    std::memcpy(out, data_.data() + position, count);
    return true;
}

bool FileBlockSource::ReadAt(uint32_t position, uint8_t* out, std::size_t count) {
    return file_ != nullptr && std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0 &&
           std::fread(out, 1, count, file_) == count;
}

}  // namespace zev
