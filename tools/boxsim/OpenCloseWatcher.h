// Reports every open and close of the pseudo-terminal's slave side by other programs, through
// inotify. Unlike the master's hang-up state, these events queue up, so a program that closes
// the line and opens it again at once is still seen as a new client.
#pragma once

#include <string>
#include <vector>

namespace zev::boxsim {

class OpenCloseWatcher {
  public:
    enum class Event { Opened, Closed };

    OpenCloseWatcher() = default;
    ~OpenCloseWatcher();
    OpenCloseWatcher(const OpenCloseWatcher&) = delete;
    OpenCloseWatcher& operator=(const OpenCloseWatcher&) = delete;

    // False when the system cannot watch the path.
    bool start(const std::string& path);
    bool active() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Events since the last call, in order.
    std::vector<Event> drain();

  private:
    int fd_ = -1;
};

}  // namespace zev::boxsim
