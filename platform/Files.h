#pragma once
// The file system as capture saving and the storage folders need it. Paths
// are UTF-16, so folders outside code page 1252 ("Łódź") work.

#include <string_view>

namespace zorbel::platform {

class Files {
public:
    virtual ~Files() = default;
    // Creates the folder and any missing parents; true when it exists afterwards.
    virtual bool CreateDirectories(std::wstring_view widePath) = 0;
    // Opens the file for appending (creating it when absent), writes the bytes unchanged, closes it.
    virtual bool AppendBytes(std::wstring_view widePath, std::string_view bytes) = 0;

    virtual bool FolderExists(std::wstring_view widePath) const = 0;
    // True only for a file, not for a folder of that name.
    virtual bool FileExists(std::wstring_view widePath) const = 0;
    // Creates this one folder (its parent must exist); true on success.
    virtual bool CreateFolder(std::wstring_view widePath) = 0;
};

}  // namespace zorbel::platform
