#include "core/OutputFiles.h"

#include <filesystem>
#include <system_error>

#include "core/NativeFile.h"
#include "core/Quoted.h"

namespace zev {

namespace {

namespace fs = std::filesystem;

// What a name leads to: an existing file (compared by device and inode, so hard links
// meet), or, for a name with nothing there yet, its absolute path with the links of the
// folders on the way resolved.
struct FileIdentity {
    std::string name;
    bool exists = false;
    fs::path path;
};

FileIdentity IdentityOf(const std::string& name) {
    FileIdentity identity{name, false, NativePath(name)};
    std::error_code code;
    identity.exists = fs::exists(identity.path, code) && !code;
    if (!identity.exists) {
        const fs::path resolved = fs::weakly_canonical(fs::absolute(identity.path, code), code);
        if (!code) identity.path = resolved.lexically_normal();
    }
    return identity;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b) {
    if (a.exists != b.exists) return false;
    if (!a.exists) return a.path == b.path;
    std::error_code code;
    return fs::equivalent(NativePath(a.name), NativePath(b.name), code) && !code;
}

}  // namespace

Result<void, FileError> CheckOutputs(const std::vector<std::string>& inputs,
                                     const std::vector<std::string>& outputs) {
    std::vector<FileIdentity> read;
    read.reserve(inputs.size());
    for (const std::string& input : inputs) read.push_back(IdentityOf(input));
    std::vector<FileIdentity> written;
    for (const std::string& output : outputs) {
        FileIdentity identity = IdentityOf(output);
        for (const FileIdentity& input : read) {
            if (SameFile(identity, input)) {
                return Failure(
                    FileError{FileProblem::OutputIsInput,
                              ZEV_TR("FileError", "the output %1 is the same file as the input %2")
                                  .Arg(Quoted(output))
                                  .Arg(Quoted(input.name))});
            }
        }
        for (const FileIdentity& other : written) {
            if (SameFile(identity, other)) {
                return Failure(
                    FileError{FileProblem::OutputsClash,
                              ZEV_TR("FileError", "the outputs %1 and %2 are the same file")
                                  .Arg(Quoted(other.name))
                                  .Arg(Quoted(output))});
            }
        }
        written.push_back(std::move(identity));
    }
    return {};
}

}  // namespace zev
