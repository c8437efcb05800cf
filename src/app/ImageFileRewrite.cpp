#include "app/ImageFileRewrite.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "core/FileReplacement.h"
#include "core/Quoted.h"
#include "core/RegularFile.h"

namespace {

// Copies what `old` holds after its first `skip` bytes into `out`.
zev::Result<void, zev::FileError> CopyTail(std::FILE* old, const std::string& path,
                                           std::size_t skip, zev::FileReplacement& out) {
    zev::FileError error;
    const bool positioned = skip <= static_cast<std::size_t>(std::numeric_limits<long>::max()) &&
                            std::fseek(old, static_cast<long>(skip), SEEK_SET) == 0;
    std::array<uint8_t, 65536> buffer{};
    while (positioned) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), old);
        if (got > 0 && !out.Write(std::span<const uint8_t>(buffer.data(), got), error)) {
            return zev::Failure(error);
        }
        if (got < buffer.size()) break;
    }
    if (!positioned || std::ferror(old) != 0) {
        return zev::Failure(
            zev::FileError{zev::FileProblem::ReadFailed,
                           ZEV_TR("FileError", "cannot read %1").Arg(zev::Quoted(path))});
    }
    return {};
}

}  // namespace

zev::Result<void, zev::FileError> RewriteImageFile(const std::string& path,
                                                   std::span<const uint8_t> image) {
    zev::FileError error;
    zev::FileReplacement out(path);
    if (!out.Begin(error) || !out.Write(image, error)) return zev::Failure(error);
    // A file that is gone meanwhile has no tail to keep: the image alone makes it anew.
    std::error_code gone;
    if (std::filesystem::exists(path, gone)) {
        std::FILE* old = zev::OpenRegularFile(path, false, error);
        if (old == nullptr) return zev::Failure(error);
        const zev::Result<void, zev::FileError> copied = CopyTail(old, path, image.size(), out);
        std::fclose(old);
        if (!copied) return copied;
    }
    if (!out.Finish(error) || !out.Replace(error)) return zev::Failure(error);
    return {};
}
