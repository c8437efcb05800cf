#include "SymbolicLink.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace zev::boxsim {

namespace {

std::string linkTarget(const std::string& path) {
    std::vector<char> buffer(4096);
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    return length > 0 ? std::string(buffer.data(), static_cast<std::size_t>(length)) : "";
}

}  // namespace

SymbolicLink::~SymbolicLink() {
    // Only our own link goes: another simulator may have taken the name over meanwhile.
    if (!path_.empty() && linkTarget(path_) == target_) {
        unlink(path_.c_str());
    }
}

bool SymbolicLink::create(const std::string& path, const std::string& target, std::string& error) {
    struct stat existing {};
    if (lstat(path.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) {
            error = path + " exists and is not a symbolic link";
            return false;
        }
        unlink(path.c_str());
    }
    if (symlink(target.c_str(), path.c_str()) != 0) {
        error = "cannot create the link " + path + ": " + std::strerror(errno);
        return false;
    }
    path_ = path;
    target_ = target;
    return true;
}

}  // namespace zev::boxsim
