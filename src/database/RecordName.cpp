#include "database/RecordName.h"

#include <algorithm>

namespace zev {

std::string NameBytes(const std::array<char, kNameFieldSize>& name) {
    const auto last = name.begin() + (kNameFieldSize - 1);
    return std::string(name.begin(), std::find(name.begin(), last, '\0'));
}

}  // namespace zev
