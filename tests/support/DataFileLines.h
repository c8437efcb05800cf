// Lines of a parameter data file as the tests write them.
#pragma once

#include <cstddef>
#include <map>
#include <string>

namespace zev::testing {

// A channel-list C line: digits everywhere, commas in their columns, `fields` on top, then the
// name.
inline std::string ListChannelLine(const std::map<std::size_t, char>& fields,
                                   const std::string& name) {
    std::string line(81, '0');
    line[0] = 'C';
    line[1] = ':';
    for (std::size_t c : {7,  9,  11, 17, 19, 21, 24, 28, 30, 32, 34, 39, 41,
                          43, 48, 50, 52, 57, 59, 61, 66, 68, 74, 76, 78, 80}) {
        line[c] = ',';
    }
    for (const auto& [column, value] : fields) {
        line[column] = value;
    }
    return line + name + "\n";
}

}  // namespace zev::testing
