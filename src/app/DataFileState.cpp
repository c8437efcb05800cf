#include "app/DataFileState.h"

void DataFileState::HoldFile(std::FILE* file) {
    if (held_ != nullptr && held_ != file) std::fclose(held_);
    held_ = file;
}
