// The extension of a file name, which selects what the program does with the file.
#pragma once

#include <string>
#include <string_view>

namespace zev {

// The text after the last '.' of the path's last component ("stc" for "dir/a.b.stc"). A name
// without a dot has no extension: the empty text, which names no file type. Callers compare
// it exactly and case-sensitively.
std::string FileExtension(std::string_view path);

}  // namespace zev
