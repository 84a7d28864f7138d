#pragma once
// Where the engine program lives and how it is started.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorbel::engine {

// The engine path without extension: the fixed development path when the
// current directory (compared in upper case) lies in a VB6 tree, else the
// plain name relative to the current directory.
std::string EngineBasePath(std::string_view currentDirectory);

// base & " -r -h" & the main window's handle in upper-case hex without
// leading zeros.
std::string EngineCommandLine(std::string_view basePath, std::uint64_t mainWindowHandle);

}  // namespace zorbel::engine
