// Reading and writing default.dat: the eight settings as comma-terminated text in a 50-byte
// record (longer texts are written whole so that nothing is cut).
#pragma once

#include <optional>
#include <string>

#include "settings/LinkSettings.h"

namespace zev {

inline constexpr const char* kSettingsFileName = "default.dat";

// Reads the file, or creates it with the defaults when it does not exist. Never fails and never
// waits: a file that can be neither created nor read leaves the defaults, and one that is there
// but cannot be read (no regular file, no permission) also puts a sentence saying so into
// `problem` when it is given.
LinkSettings LoadSettingsFile(const std::string& path = kSettingsFileName,
                              std::string* problem = nullptr);

// Reads an existing file without creating one; nullopt when it cannot be opened, and then, if
// the file is there at all, a sentence saying why in `problem` when it is given. Fields the
// file does not complete (fewer than eight commas) keep their defaults.
std::optional<LinkSettings> ReadSettingsFile(const std::string& path = kSettingsFileName,
                                             std::string* problem = nullptr);

// Writes the record, replacing the file whole (its mode kept); returns false when it could not
// be written, is no regular file or its mode allows no writing.
bool SaveSettingsFile(const LinkSettings& settings, const std::string& path = kSettingsFileName);

// Conversion of numeric fields: leading blanks and one sign allowed, stops at the first
// non-digit, no digits gives 0.
int ParseSettingsInt(const std::string& text);

}  // namespace zev
