#include "cli/ImageFiles.h"

#include <algorithm>

#include "core/FileReplacement.h"
#include "core/RegularFile.h"

namespace zev::cli {

std::optional<ImageKind> ImageKindForExtension(const std::string& extension) {
    if (extension == "stc") return ImageKind::User;
    if (extension == "def") return ImageKind::Default;
    if (extension == "all") return ImageKind::All;
    return std::nullopt;
}

std::optional<std::size_t> ReadImageFile(const std::string& path, std::span<uint8_t> input,
                                         std::string& error) {
    FileError problem;
    const std::optional<std::vector<uint8_t>> bytes =
        ReadRegularFile(path, input.size(), Overlong::ReadPrefix, problem);
    if (!bytes) {
        error = problem.text.English();
        return std::nullopt;
    }
    std::copy(bytes->begin(), bytes->end(), input.begin());
    return bytes->size();
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit,
                                                  std::string& error) {
    FileError problem;
    std::optional<std::vector<uint8_t>> bytes =
        ReadRegularFile(path, limit, Overlong::Refuse, problem);
    if (!bytes) error = problem.text.English();
    return bytes;
}

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string& error) {
    FileError problem;
    if (ReplaceFile(path, bytes, problem)) return true;
    error = problem.text.English();
    return false;
}

}  // namespace zev::cli
