// A record's name as the user sees it.
#pragma once

#include <array>
#include <string>

#include "database/ChannelDatabase.h"

namespace zev {

// The name's bytes up to its first NUL, at most 12 of them (Latin-1).
std::string NameBytes(const std::array<char, kNameFieldSize>& name);

}  // namespace zev
