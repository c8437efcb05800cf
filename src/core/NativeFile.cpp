#include "core/NativeFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace zev {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& text) { return NativePath(text).wstring(); }

}  // namespace

std::filesystem::path NativePath(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string NameText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::FILE* OpenNativeFile(const std::string& name, const char* mode) {
    return ::_wfopen(Wide(name).c_str(), Wide(mode).c_str());
}

std::FILE* CreateNewFile(const std::string& name) {
    // The C library's fopen knows no "x": _O_EXCL says the same.
    const int fd = ::_wopen(Wide(name).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                            _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = ::_fdopen(fd, "wb");
    if (file == nullptr) ::_close(fd);
    return file;
}

int RemoveNativeFile(const std::string& name) { return ::_wremove(Wide(name).c_str()); }

#else

std::filesystem::path NativePath(const std::string& name) { return std::filesystem::path(name); }

std::string NameText(const std::filesystem::path& path) { return path.string(); }

std::FILE* OpenNativeFile(const std::string& name, const char* mode) {
    return std::fopen(name.c_str(), mode);
}

std::FILE* CreateNewFile(const std::string& name) { return std::fopen(name.c_str(), "wbx"); }

int RemoveNativeFile(const std::string& name) { return std::remove(name.c_str()); }

#endif

bool IsWindowsDeviceName(std::string_view name) {
    for (const std::string_view space : {"\\\\.\\", "//./", "\\\\?\\GLOBALROOT"}) {
        if (name.substr(0, space.size()) == space) return true;
    }
    const std::size_t separator = name.find_last_of("/\\:");
    if (separator != std::string_view::npos) name.remove_prefix(separator + 1);
    // The part before the first dot, without the spaces Windows drops.
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN",    "AUX",
                                                                 "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), upper) != kDevices.end()) return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '0' && upper[3] <= '9';
}

}  // namespace zev
