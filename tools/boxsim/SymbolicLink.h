// The --link symlink to the pseudo-terminal, removed again when the simulator ends.
#pragma once

#include <string>

namespace zev::boxsim {

class SymbolicLink {
  public:
    SymbolicLink() = default;
    ~SymbolicLink();
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;

    // Replaces an older symlink at `path`, but never a file or directory.
    bool create(const std::string& path, const std::string& target, std::string& error);

  private:
    std::string path_;
    std::string target_;
};

}  // namespace zev::boxsim
