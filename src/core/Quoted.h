// A text in double quotes, as messages name files and records.
#pragma once

#include <string>
#include <string_view>

namespace zev {

std::string Quoted(std::string_view text);

}  // namespace zev
