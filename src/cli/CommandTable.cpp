#include "cli/CommandTable.h"

#include <string_view>

namespace zev::cli {

bool TakesOption(const CommandUsage& command, const std::string& option) {
    std::string_view list(command.options);
    while (!list.empty()) {
        const std::size_t space = list.find(' ');
        if (list.substr(0, space) == option) return true;
        if (space == std::string_view::npos) break;
        list.remove_prefix(space + 1);
    }
    return false;
}

}  // namespace zev::cli
