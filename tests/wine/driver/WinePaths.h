// CMake hands the bench Linux paths; Wine maps the Linux root to drive Z:.
#pragma once

#include <string>
#include <string_view>

namespace bench {

// "/a/b" becomes "Z:\a\b"; a path that is not absolute Linux stays as it is.
std::wstring ToWindowsPath(std::string_view utf8Path);

}  // namespace bench
