// Splits text arriving in pieces (the simulator's standard input) into lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zev::boxsim {

class LineBuffer {
  public:
    void append(std::string_view text) { pending_ += text; }

    // The next complete line without its end (LF or CR LF), or nothing.
    std::optional<std::string> nextLine() {
        const auto end = pending_.find('\n');
        if (end == std::string::npos) {
            return std::nullopt;
        }
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line;
    }

  private:
    std::string pending_;
};

}  // namespace zev::boxsim
