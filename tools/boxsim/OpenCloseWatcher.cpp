#include "OpenCloseWatcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>

namespace zev::boxsim {

OpenCloseWatcher::~OpenCloseWatcher() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool OpenCloseWatcher::start(const std::string& path) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) {
        return false;
    }
    if (inotify_add_watch(fd_, path.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

std::vector<OpenCloseWatcher::Event> OpenCloseWatcher::drain() {
    std::vector<Event> events;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = read(fd_, buffer, sizeof buffer);
        if (length <= 0) {
            return events;
        }
        for (ssize_t offset = 0; offset < length;) {
            inotify_event event{};
            std::memcpy(&event, buffer + offset, sizeof event);
            if ((event.mask & IN_OPEN) != 0) events.push_back(Event::Opened);
            if ((event.mask & IN_CLOSE) != 0) events.push_back(Event::Closed);
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
        }
    }
}

}  // namespace zev::boxsim
