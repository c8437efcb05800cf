// Files that are not regular files, made in a test's own directory: a named pipe with a writer
// that gives up when nobody reads, a device node of our own, and limits on file size. Nothing
// here touches a device of the system, so a program that wrongly replaces or reads what it is
// given only harms the test's own files.
//
// Windows has neither named pipes in its file system, nor device nodes, nor a limit on file
// size: there FeedingPipe, MakeNullDevice and FileSizeLimit make nothing, and tests that need
// a pipe skip (ZEV_NEEDS_FIFOS). Its devices are names (NUL, COM1), which tests name directly.
#pragma once

#ifdef _WIN32
#include <gtest/gtest.h>
#include <process.h>
#include <sys/stat.h>

#include <cstdint>
#include <string>

namespace zev::testing {

#define ZEV_NEEDS_FIFOS() GTEST_SKIP() << "Windows has no named pipes in its file system"

inline int ProcessId() { return ::_getpid(); }

class FeedingPipe {
  public:
    FeedingPipe(const std::string&, const std::string&) {}
    bool Made() const { return false; }
};

inline bool MakeNullDevice(const std::string&) { return false; }
inline bool IsCharacterDevice(const std::string&) { return false; }
inline bool IsPipe(const std::string&) { return false; }

inline unsigned ModeOf(const std::string& path) {
    struct _stat64 info {};
    return ::_stat64(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::uint64_t) {}
    bool Set() const { return false; }
};

}  // namespace zev::testing

#else

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>

namespace zev::testing {

#define ZEV_NEEDS_FIFOS() (void)0

inline int ProcessId() { return static_cast<int>(::getpid()); }

// A named pipe whose writer, each time a reader opens it, writes `contents` and closes. A
// program that never opens it leaves the writer waiting until the pipe is destroyed; one that
// reads it wrongly gets `contents` instead of hanging.
class FeedingPipe {
  public:
    FeedingPipe(std::string path, std::string contents)
        : path_(std::move(path)), contents_(std::move(contents)) {
        std::signal(SIGPIPE, SIG_IGN);  // a reader that stops early must not end the test
        made_ = ::mkfifo(path_.c_str(), 0644) == 0;
        if (made_) writer_ = std::thread([this] { Feed(); });
    }
    ~FeedingPipe() {
        stop_ = true;
        if (writer_.joinable()) writer_.join();
        ::unlink(path_.c_str());
    }
    FeedingPipe(const FeedingPipe&) = delete;
    FeedingPipe& operator=(const FeedingPipe&) = delete;

    bool Made() const { return made_; }

  private:
    void Feed() {
        while (!stop_) {
            // Without a reader a non-blocking open fails at once: look again shortly.
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd < 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            const char* data = contents_.data();
            std::size_t left = contents_.size();
            while (left > 0) {
                const ssize_t written = ::write(fd, data, left);
                if (written <= 0) break;
                data += written;
                left -= static_cast<std::size_t>(written);
            }
            ::close(fd);
            // Time for the reader to see the end before the pipe is offered again.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }

    std::string path_;
    std::string contents_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::thread writer_;
};

// A character device node like /dev/null (1, 3), but our own: replacing or writing to it does
// no harm. False where device nodes cannot be made (no privilege).
inline bool MakeNullDevice(const std::string& path) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

inline bool IsCharacterDevice(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

inline bool IsPipe(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

inline unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// While it lives, no file of this process may grow beyond `bytes`: a write past that fails
// (EFBIG) as on a full disk, without the signal that would end the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        set_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Set() const { return set_; }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool set_ = false;
};

}  // namespace zev::testing

#endif
