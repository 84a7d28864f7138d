#pragma once
// The file system as capture saving needs it. Paths are 8-bit ANSI.

#include <string_view>

namespace zorbel::platform {

class Files {
public:
    virtual ~Files() = default;
    // True when a file or folder of that name exists.
    virtual bool Exists(std::string_view ansiPath) const = 0;
    // Creates the folder and any missing parents; true when it exists afterwards.
    virtual bool CreateDirectories(std::string_view ansiPath) = 0;
    // Opens the file for appending (creating it when absent), writes the bytes unchanged, closes it.
    virtual bool AppendBytes(std::string_view ansiPath, std::string_view bytes) = 0;
};

}  // namespace zorbel::platform
