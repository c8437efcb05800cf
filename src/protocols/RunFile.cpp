#include "protocols/RunFile.h"

#include <limits>

namespace zev {

std::unique_ptr<RunFile> RunFile::Open(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    return file != nullptr ? std::unique_ptr<RunFile>(new RunFile(file)) : nullptr;
}

void RunFile::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

std::optional<uint64_t> RunFile::Size() {
    if (file_ == nullptr || std::fseek(file_, 0, SEEK_END) != 0) {
        return std::nullopt;
    }
    const long size = std::ftell(file_);
    if (size < 0) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(size);
}

bool RunFile::ReadAt(uint64_t position, uint8_t* out, std::size_t count) {
    return file_ != nullptr &&
           position <= static_cast<uint64_t>(std::numeric_limits<long>::max()) &&
           std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0 &&
           std::fread(out, 1, count, file_) == count;
}

std::optional<std::vector<uint8_t>> RunFile::ReadAll() {
    if (file_ == nullptr || std::fseek(file_, 0, SEEK_SET) != 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[8192];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file_)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (std::ferror(file_) != 0) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace zev
