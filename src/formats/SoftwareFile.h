// Software data files (.cus) go to the boot loader byte for byte; only their size matters.
#pragma once

#include <cstdint>
#include <string>

namespace zev {

// Whether a file of `size` bytes can be sent: 1 to 255 blocks.
bool SoftwareSizeSendable(uint64_t size);

// Empty when a file of `size` bytes can be sent (1 to 255 blocks); otherwise a sentence for
// the user that names the file at `path`.
std::string SoftwareFileProblem(const std::string& path, uint64_t size);

}  // namespace zev
