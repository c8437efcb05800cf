// The size check of a software file (.cus) for Update Software: the only thing the program
// reads of the file is its size, so the input is a size (its first 8 bytes, little-endian)
// and the file's path (the rest). Beyond the sanitizers' part it checks that the check and its
// message agree, that a refusal names the file, and that an accepted size is what the block
// count and the 32-bit length on the line can carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzFinding.h"
#include "formats/SoftwareFile.h"
#include "formats/TransferBlocks.h"

namespace zev::fuzz {

inline Finding CheckCusFile(std::span<const uint8_t> bytes) {
    uint64_t size = 0;
    for (std::size_t i = 0; i < 8 && i < bytes.size(); ++i) {
        size |= uint64_t{bytes[i]} << (8 * i);
    }
    const std::span<const uint8_t> name = bytes.size() > 8 ? bytes.subspan(8) : bytes.first(0);
    const std::string path(name.begin(), name.end());

    const bool sendable = SoftwareSizeSendable(size);
    const std::string problem = SoftwareFileProblem(path, size);
    if (sendable != problem.empty()) return "the size check and its message disagree";
    if (!sendable) {
        // The message names the file as far as a path can go (up to a NUL).
        return problem.find(path.substr(0, path.find('\0'))) == std::string::npos
                   ? "a refusal that does not name the file"
                   : "";
    }
    const auto length = static_cast<uint32_t>(size);
    const uint32_t blocks = BlockCountFor(length);
    if (length != size || blocks < 1 || blocks > kMaxBlocks) {
        return "an accepted size the transfer cannot send";
    }
    return {};
}

inline int FuzzCusFile(const uint8_t* data, std::size_t size) {
    return AbortOnFinding(CheckCusFile({data, size}));
}

}  // namespace zev::fuzz
