// Save into an image file the program already names: the packed image over the file's first
// bytes, while the bytes the file holds beyond them stay (a longer file keeps its tail, as it
// always did). Written as a new file that replaces the old one only once complete, so a
// failure part-way leaves the old file whole; only a regular file whose mode allows writing is
// replaced, and it keeps its mode.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/FileError.h"
#include "core/Result.h"

zev::Result<void, zev::FileError> RewriteImageFile(const std::string& path,
                                                   std::span<const uint8_t> image);
