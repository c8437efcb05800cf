// A folder of this process's own for the harnesses whose code reads files by path: created on
// first use, removed when the process ends. In memory (/dev/shm) where there is one, so that a
// file written for every input costs little; parallel fuzzers and test processes each get
// their own.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <system_error>

namespace zev::fuzz {

inline const std::string& FuzzTempDir() {
    struct Folder {
        std::string path;
        Folder() {
            std::error_code error;
            std::filesystem::path base = "/dev/shm";
            if (!std::filesystem::is_directory(base, error)) {
                base = std::filesystem::temp_directory_path();
            }
            path = (base / ("zev-fuzz-" + std::to_string(getpid()))).string();
            std::filesystem::create_directories(path, error);
            path += "/";
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

// Writes `bytes` as the file `name` in the folder and returns its path.
inline std::string WriteFuzzFile(const std::string& name, std::span<const uint8_t> bytes) {
    const std::string path = FuzzTempDir() + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace zev::fuzz
