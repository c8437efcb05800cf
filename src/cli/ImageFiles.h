// Files of zev-cli: reading an image file as the desktop program's File Open does, choosing
// the image kind from a file name, and writing a file so that an error never leaves it half
// written.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/ParameterImage.h"

namespace zev::cli {

// "stc" user block, "def" default-channel block, "all" both; compared case-sensitively.
std::optional<ImageKind> ImageKindForExtension(const std::string& extension);

// Reads at most `input.size()` bytes from the start of the file into `input` and returns how
// many were read; a longer file's remaining bytes are ignored. nullopt (and `error`) when the
// file cannot be read or is no regular file.
std::optional<std::size_t> ReadImageFile(const std::string& path, std::span<uint8_t> input,
                                         std::string& error);

// Reads a whole regular file of at most `limit` bytes. nullopt (and `error`) when it cannot be
// read, is no regular file or is longer.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit,
                                                  std::string& error);

// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when every
// write succeeded, so a failure leaves any existing file untouched. An existing `path` must be
// a regular file whose mode allows writing; it keeps its mode.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string& error);

}  // namespace zev::cli
