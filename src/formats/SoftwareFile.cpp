#include "formats/SoftwareFile.h"

#include "core/TextFormat.h"
#include "formats/TransferBlocks.h"

namespace zev {

bool SoftwareSizeSendable(uint64_t size) {
    return size > 0 && size <= uint64_t{kMaxBlocks} * kBlockSize;
}

std::string SoftwareFileProblem(const std::string& path, uint64_t size) {
    if (size == 0) {
        return Format("The software file '%s' is empty; nothing is sent.", path.c_str());
    }
    if (size > uint64_t{kMaxBlocks} * kBlockSize) {
        return Format(
            "The software file '%s' has %llu bytes; at most %u blocks (%u bytes) can be sent.",
            path.c_str(), static_cast<unsigned long long>(size), kMaxBlocks,
            kMaxBlocks * kBlockSize);
    }
    return {};
}

}  // namespace zev
