// A record's name as the user sees it.
#pragma once

#include <array>
#include <string>

#include "database/ChannelDatabase.h"

namespace zev {

// The name's bytes up to its first NUL, at most 12 of them (Latin-1).
std::string NameBytes(const std::array<char, kNameFieldSize>& name);

// The name's 12 bytes as stored, without the NUL padding at their end; a NUL inside the name
// stays, so that every byte a record carries is shown and written back.
std::string StoredNameBytes(const std::array<char, kNameFieldSize>& name);

}  // namespace zev
