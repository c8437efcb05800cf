#include "core/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#ifndef NOMINMAX  // std::min, not the macro
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

#include <filesystem>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/NativeFile.h"
#include "core/Quoted.h"

namespace zev {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

FileError Problem(FileProblem problem, Translatable text) { return {problem, std::move(text)}; }

FileError NotRegular(const std::string& path) {
    return Problem(FileProblem::NotRegular,
                   ZEV_TR("FileError", "%1 is not a regular file").Arg(Quoted(path)));
}

FileError CannotOpen(const std::string& path, int code) {
    return Problem(
        FileProblem::CannotOpen,
        ZEV_TR("FileError", "cannot open %1: %2").Arg(Quoted(path)).Arg(std::strerror(code)));
}

}  // namespace

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kKilo = 1024;
    if (bytes >= kKilo * kKilo && bytes % (kKilo * kKilo) == 0) {
        return std::to_string(bytes / (kKilo * kKilo)) + " MB";
    }
    if (bytes >= kKilo && bytes % kKilo == 0) return std::to_string(bytes / kKilo) + " KB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

std::FILE* OpenRegularFile(const std::string& path, bool forWriting, FileError& error) {
    error = {};
#ifdef _WIN32
    // A device name is refused before it is opened (opening a serial port has effects), ...
    std::error_code code;
    const std::filesystem::file_status status = std::filesystem::status(NativePath(path), code);
    if (IsWindowsDeviceName(path) ||
        (!code && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))) {
        error = NotRegular(path);
        return nullptr;
    }
    std::FILE* file = OpenNativeFile(path, forWriting ? "r+b" : "rb");
    if (file == nullptr) {
        error = CannotOpen(path, errno);
        return nullptr;
    }
    // ... and whatever else is open is refused unless it is a file on a disk.
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        std::fclose(file);
        error = NotRegular(path);
        return nullptr;
    }
    return file;
#else
    // Looked at before opening, so that a device is never opened at all (opening some has
    // effects of its own) ...
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        error = NotRegular(path);
        return nullptr;
    }
    // ... and again once open, without waiting for a pipe's writer, in case the name was
    // given to something else meanwhile.
    const int fd =
        ::open(path.c_str(), (forWriting ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = CannotOpen(path, errno);
        return nullptr;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = NotRegular(path);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, forWriting ? "r+b" : "rb");
    if (file == nullptr) {
        error = CannotOpen(path, errno);
        ::close(fd);
    }
    return file;
#endif
}

std::optional<std::vector<uint8_t>> ReadOpenFile(std::FILE* file, const std::string& path,
                                                 std::size_t limit, Overlong overlong,
                                                 FileError& error) {
    error = {};
    // With Refuse, one byte past the limit tells a file that goes on from one that ends there.
    const std::size_t wanted = overlong == Overlong::Refuse ? limit + 1 : limit;
    std::vector<uint8_t> bytes;
    int code = 0;
    while (bytes.size() < wanted) {
        const std::size_t at = bytes.size();
        const std::size_t step = std::min(kChunk, wanted - at);
        bytes.resize(at + step);
        const std::size_t got = std::fread(bytes.data() + at, 1, step, file);
        bytes.resize(at + got);
        if (got < step) {
            code = errno;
            break;
        }
    }
    if (std::ferror(file) != 0) {
        error = Problem(
            FileProblem::ReadFailed,
            ZEV_TR("FileError", "cannot read %1: %2").Arg(Quoted(path)).Arg(std::strerror(code)));
        std::clearerr(file);
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        error = Problem(FileProblem::TooLarge, ZEV_TR("FileError", "%1 is too large (more than %2)")
                                                   .Arg(Quoted(path))
                                                   .Arg(SizeText(limit)));
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, std::size_t limit,
                                                    Overlong overlong, FileError& error) {
    std::FILE* file = OpenRegularFile(path, false, error);
    if (file == nullptr) return std::nullopt;
    std::optional<std::vector<uint8_t>> bytes = ReadOpenFile(file, path, limit, overlong, error);
    std::fclose(file);
    return bytes;
}

}  // namespace zev
