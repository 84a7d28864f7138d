#pragma once
// The program's arguments in UTF-8 on every platform, and file paths made
// from them.

#include <filesystem>
#include <string>
#include <vector>

namespace zorbel::console {

// The arguments after the program name. On Windows they are taken from the
// wide command line, because main's argv holds them in the ANSI code page,
// where a file name outside it arrives as question marks and never opens.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

std::filesystem::path PathFromUtf8(const std::string& utf8Text);

}  // namespace zorbel::console
