#pragma once
// The file system through the wide functions.

#include "platform/Files.h"

namespace zorbel::win32 {

class WindowsFiles : public platform::Files {
public:
    bool CreateDirectories(std::wstring_view widePath) override;
    bool AppendBytes(std::wstring_view widePath, std::string_view bytes) override;
    bool FolderExists(std::wstring_view widePath) const override;
    bool FileExists(std::wstring_view widePath) const override;
    bool CreateFolder(std::wstring_view widePath) override;
};

}  // namespace zorbel::win32
