#include "app/DataFileState.h"

void DataFileState::HoldFile(std::FILE* file) {
    if (held_ != nullptr && held_ != file) std::fclose(held_);
    held_ = file;
}

std::optional<zev::ImageKind> ImageKindOfExtension(const std::string& extension) {
    if (extension == "stc") return zev::ImageKind::User;
    if (extension == "def") return zev::ImageKind::Default;
    if (extension == "all") return zev::ImageKind::All;
    return std::nullopt;
}
