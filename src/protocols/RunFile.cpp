#include "protocols/RunFile.h"

#include <limits>

#include "core/RegularFile.h"

namespace zev {

std::unique_ptr<RunFile> RunFile::Open(const std::string& path, FileError& error) {
    std::FILE* file = OpenRegularFile(path, false, error);
    return file != nullptr ? std::unique_ptr<RunFile>(new RunFile(file, path)) : nullptr;
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

std::optional<std::vector<uint8_t>> RunFile::ReadAll(std::size_t limit, FileError& error) {
    if (file_ == nullptr || std::fseek(file_, 0, SEEK_SET) != 0) {
        error = {FileProblem::ReadFailed, ZEV_TR("FileError", "cannot read \"%1\"").Arg(path_)};
        return std::nullopt;
    }
    return ReadOpenFile(file_, path_, limit, Overlong::Refuse, error);
}

}  // namespace zev
