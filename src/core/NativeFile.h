// File names as the program holds them, UTF-8 text, handed to the operating system. A POSIX
// system takes the bytes as they are. Windows takes UTF-16: its narrow functions (fopen,
// remove, and std::filesystem::path built from a std::string) would read the bytes in the
// local code page and garble every name that is not ASCII, so they are converted here.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace zev {

std::filesystem::path NativePath(const std::string& name);
// The name of `path` as UTF-8 text.
std::string NameText(const std::filesystem::path& path);

// std::fopen with a UTF-8 name.
std::FILE* OpenNativeFile(const std::string& name, const char* mode);
// Creates `name` for writing in binary, failing (errno EEXIST) when it exists already.
std::FILE* CreateNewFile(const std::string& name);
// std::remove with a UTF-8 name.
int RemoveNativeFile(const std::string& name);

// Whether Windows takes `name` as a device rather than a file, in whatever folder it stands:
// CON, PRN, AUX, NUL, COM0 to COM9 and LPT0 to LPT9 in any case, also with an extension or
// trailing spaces ("nul.stc", "COM1 "), and every name in the device namespace ("\\.\COM10",
// "\\.\pipe\x"). Reading or writing such a name would use the device, a serial port even.
bool IsWindowsDeviceName(std::string_view name);

}  // namespace zev
