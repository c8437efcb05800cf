#include "database/RecordName.h"

#include <algorithm>

namespace zev {

std::string NameBytes(const std::array<char, kNameFieldSize>& name) {
    const auto last = name.begin() + (kNameFieldSize - 1);
    return std::string(name.begin(), std::find(name.begin(), last, '\0'));
}

std::string StoredNameBytes(const std::array<char, kNameFieldSize>& name) {
    std::size_t length = kNameFieldSize - 1;
    while (length > 0 && name[length - 1] == '\0') --length;
    return std::string(name.data(), length);
}

}  // namespace zev
