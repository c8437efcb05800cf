#include "core/FileReplacement.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif

#include "core/NativeFile.h"
#include "core/Quoted.h"

namespace zev {

namespace {

namespace fs = std::filesystem;

// The file and the system's reason for `code`.
FileError CannotCreate(const std::string& path, int code) {
    return {FileProblem::CannotCreate,
            ZEV_TR("FileError", "cannot create %1: %2").Arg(Quoted(path)).Arg(std::strerror(code))};
}

FileError CannotWrite(const std::string& path, int code) {
    return {FileProblem::WriteFailed,
            ZEV_TR("FileError", "cannot write %1: %2").Arg(Quoted(path)).Arg(std::strerror(code))};
}

FileError NotRegular(const std::string& path) {
    return {FileProblem::NotRegular,
            ZEV_TR("FileError", "%1 is not a regular file").Arg(Quoted(path))};
}

FileError ReadOnly(const std::string& path) {
    return {FileProblem::ReadOnly, ZEV_TR("FileError", "%1 is read-only").Arg(Quoted(path))};
}

// The longest name of a file in a folder, in bytes, on the file systems we write to.
constexpr std::size_t kMaxNameBytes = 255;
// What the temporary name adds to the target's: "." before it, "." and 8 letters and ".tmp"
// after it.
constexpr std::size_t kTemporaryNameExtra = 14;

// A name for the temporary file: hidden, beside the target, unlikely to be taken. A long
// target name is cut (at a character's start) so that the temporary name stays a valid one:
// every name the target may have can be written.
std::string TemporaryName(const std::string& target) {
    static std::mt19937 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
    const fs::path path = NativePath(target);
    std::string stem = NameText(path.filename());
    if (stem.size() > kMaxNameBytes - kTemporaryNameExtra) {
        std::size_t cut = kMaxNameBytes - kTemporaryNameExtra;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
        stem.resize(cut);
    }
    std::string name = ".";
    name.append(stem).append(".").append(suffix).append(".tmp");
    return NameText(path.parent_path() / NativePath(name));
}

// What replacing `name` would replace; messages name the file as `shown`.
struct Target {
    bool ok = false;
    bool existed = false;
    std::string resolved;  // `name` with symbolic links resolved
    unsigned mode = 0;
    long long owner = -1;
    long long group = -1;
};

#ifdef _WIN32

Target CheckTarget(const std::string& name, const std::string& shown, FileError& error) {
    Target target{true, false, name};
    // A device answers to its name in every folder, whether or not the name is listed there.
    if (IsWindowsDeviceName(name)) {
        error = NotRegular(shown);
        return {};
    }
    std::error_code code;
    const fs::path path = NativePath(name);
    const fs::file_status link = fs::symlink_status(path, code);
    if (code || !fs::exists(link)) return target;
    const fs::file_status status = fs::status(path, code);
    if (code || !fs::is_regular_file(status)) {
        error = NotRegular(shown);
        return {};
    }
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        error = ReadOnly(shown);
        return {};
    }
    if (fs::is_symlink(link)) target.resolved = NameText(fs::canonical(path, code));
    target.existed = true;
    target.mode = static_cast<unsigned>(status.permissions());
    return target;
}

#else

Target CheckTarget(const std::string& name, const std::string& shown, FileError& error) {
    Target target{true, false, name};
    struct stat link {};
    if (::lstat(name.c_str(), &link) != 0) {
        if (errno == ENOENT) return target;
        error = CannotCreate(shown, errno);
        return {};
    }
    struct stat info {};
    // A symbolic link to nothing is refused too: writing through it would create a file
    // somewhere else than the name says.
    if (::stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = NotRegular(shown);
        return {};
    }
    // The mode is looked at itself: for the super-user access() allows writing to any file.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.c_str(), W_OK) != 0) {
        error = ReadOnly(shown);
        return {};
    }
    if (S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(name.c_str(), resolved) == nullptr) {
            error = CannotCreate(shown, errno);
            return {};
        }
        target.resolved = resolved;
    }
    target.existed = true;
    target.mode = info.st_mode & 07777;
    target.owner = info.st_uid;
    target.group = info.st_gid;
    return target;
}

#endif

}  // namespace

FileReplacement::FileReplacement(std::string path) : path_(std::move(path)) {}

FileReplacement::~FileReplacement() { Discard(); }

void FileReplacement::Discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty() && !replaced_) RemoveNativeFile(temporary_);
    temporary_.clear();
}

bool FileReplacement::Begin(FileError& error) {
    error = {};
    const Target target = CheckTarget(path_, path_, error);
    if (!target.ok) return false;
    target_ = target.resolved;
    existed_ = target.existed;
    mode_ = target.mode;
    owner_ = target.owner;
    group_ = target.group;
    for (int attempt = 0; attempt < 100 && file_ == nullptr; ++attempt) {
        const std::string name = TemporaryName(target_);
        // "x": never open a file that is already there.
        file_ = CreateNewFile(name);
        if (file_ != nullptr) {
            temporary_ = name;
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (file_ == nullptr) {
        error = CannotCreate(path_, errno);
        return false;
    }
    return true;
}

bool FileReplacement::Write(std::span<const uint8_t> bytes, FileError& error) {
    if (file_ == nullptr) {
        error = CannotWrite(path_, EBADF);
        return false;
    }
    // An empty span may hold no pointer at all, which fwrite must not be given.
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        error = CannotWrite(path_, errno);
        Discard();
        return false;
    }
    return true;
}

bool FileReplacement::Finish(FileError& error) {
    if (file_ == nullptr) {
        error = CannotWrite(path_, EBADF);
        return false;
    }
    bool ok = std::fflush(file_) == 0;
#ifdef _WIN32
    if (ok && existed_) {
        std::error_code ignored;
        fs::permissions(NativePath(temporary_), static_cast<fs::perms>(mode_), ignored);
    }
    // Windows' fsync.
    ok = ok && ::_commit(::_fileno(file_)) == 0;
#else
    const int fd = ::fileno(file_);
    if (ok && existed_) {
        // The owner may only be kept by the super-user; the mode always.
        [[maybe_unused]] const int owned =
            ::fchown(fd, static_cast<uid_t>(owner_), static_cast<gid_t>(group_));
        ok = ::fchmod(fd, static_cast<mode_t>(mode_)) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
#endif
    const int code = errno;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!ok || !closed) {
        error = CannotWrite(path_, ok ? errno : code);
        Discard();
        return false;
    }
    return true;
}

bool FileReplacement::Replace(FileError& error) {
    if (temporary_.empty() || file_ != nullptr) {
        error = CannotWrite(path_, EBADF);
        return false;
    }
    // The name may have been given to something else since Begin.
    if (!CheckTarget(target_, path_, error).ok) {
        Discard();
        return false;
    }
    std::error_code code;
    fs::rename(NativePath(temporary_), NativePath(target_), code);
    if (code) {
        error = {
            FileProblem::WriteFailed,
            ZEV_TR("FileError", "cannot replace %1: %2").Arg(Quoted(path_)).Arg(code.message())};
        Discard();
        return false;
    }
    replaced_ = true;
    temporary_.clear();
    return true;
}

bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, FileError& error) {
    FileReplacement file(path);
    return file.Begin(error) && file.Write(bytes, error) && file.Finish(error) &&
           file.Replace(error);
}

bool ReplaceFiles(std::span<const FileContents> files, FileError& error) {
    std::vector<std::unique_ptr<FileReplacement>> replacements;
    for (const FileContents& contents : files) {
        auto file = std::make_unique<FileReplacement>(contents.path);
        if (!file->Begin(error) || !file->Write(contents.bytes, error) || !file->Finish(error)) {
            return false;  // the replacements made so far discard their temporary files
        }
        replacements.push_back(std::move(file));
    }
    for (const auto& file : replacements) {
        if (!file->Replace(error)) return false;
    }
    return true;
}

}  // namespace zev
