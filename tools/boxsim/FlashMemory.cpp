#include "FlashMemory.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace zev::boxsim {

FlashMemory::FlashMemory() : cells_(kSize, kErased) {}

bool FlashMemory::attachFile(const std::string& path, std::string& error) {
    filePath_ = path;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return true;  // no file yet: the flash starts erased and the file appears on first write
    }
    std::vector<std::uint8_t> contents((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read flash file " + path;
        return false;
    }
    if (contents.size() > kSize) {
        error = "flash file " + path + " is larger than the 2 MB flash";
        return false;
    }
    std::copy(contents.begin(), contents.end(), cells_.begin());
    return true;
}

bool FlashMemory::fits(std::uint32_t address, std::uint32_t length) const {
    return address <= kSize && length <= kSize - address;
}

std::span<const std::uint8_t> FlashMemory::read(std::uint32_t address, std::uint32_t length) const {
    if (!fits(address, length)) {
        return {};
    }
    return std::span<const std::uint8_t>(cells_).subspan(address, length);
}

bool FlashMemory::write(std::uint32_t address, std::span<const std::uint8_t> data) {
    if (data.size() > kSize || !fits(address, static_cast<std::uint32_t>(data.size()))) {
        return false;
    }
    std::copy(data.begin(), data.end(), cells_.begin() + address);
    return saveToFile();
}

bool FlashMemory::saveToFile() {
    if (filePath_.empty()) {
        return true;
    }
    // Write a sibling file and rename it over the old one, so that a simulator killed while
    // saving never leaves a half-written flash behind.
    const std::string temporary = filePath_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(cells_.data()),
                  static_cast<std::streamsize>(cells_.size()));
        if (!out.flush()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), filePath_.c_str()) == 0;
}

}  // namespace zev::boxsim
