#pragma once
// The file system through the wide functions, paths converted from ANSI.

#include "platform/Files.h"

namespace zorbel::win32 {

class WindowsFiles : public platform::Files {
public:
    bool Exists(std::string_view ansiPath) const override;
    bool CreateDirectories(std::string_view ansiPath) override;
    bool AppendBytes(std::string_view ansiPath, std::string_view bytes) override;
    bool FolderExists(std::wstring_view widePath) const override;
    bool FileExists(std::wstring_view widePath) const override;
    bool CreateFolder(std::wstring_view widePath) override;
};

}  // namespace zorbel::win32
