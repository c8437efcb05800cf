// Reading and writing default.dat: the eight settings as comma-terminated text in a 50-byte
// record (longer texts are written whole so that nothing is cut).
#pragma once

#include <optional>
#include <string>

#include "settings/LinkSettings.h"

namespace zev {

inline constexpr const char* kSettingsFileName = "default.dat";

// Reads the file, or creates it with the defaults when it does not exist. Never fails: a file
// that can be neither created nor read leaves the defaults.
LinkSettings LoadSettingsFile(const std::string& path = kSettingsFileName);

// Reads an existing file without creating one; nullopt when it cannot be opened. Fields the
// file does not complete (fewer than eight commas) keep their defaults.
std::optional<LinkSettings> ReadSettingsFile(const std::string& path = kSettingsFileName);

// Writes the record; returns false when the file could not be written.
bool SaveSettingsFile(const LinkSettings& settings, const std::string& path = kSettingsFileName);

// Conversion of numeric fields: leading blanks and one sign allowed, stops at the first
// non-digit, no digits gives 0.
int ParseSettingsInt(const std::string& text);

}  // namespace zev
