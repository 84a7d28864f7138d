#include "platform/win32/Files.h"

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"

namespace zorbel::win32 {

bool WindowsFiles::CreateDirectories(std::wstring_view widePath) {
    const std::wstring path(widePath);
    // Create each missing level from the top down.
    for (std::size_t at = path.find_first_of(L"\\/", 3); ; at = path.find_first_of(L"\\/", at + 1)) {
        const std::wstring level = path.substr(0, at);
        if (!level.empty()) CreateDirectoryW(level.c_str(), nullptr);
        if (at == std::wstring::npos) break;
    }
    return FolderExists(path);
}

bool WindowsFiles::AppendBytes(std::wstring_view widePath, std::string_view bytes) {
    const FileHandle file(CreateFileW(std::wstring(widePath).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool WindowsFiles::FolderExists(std::wstring_view widePath) const {
    const DWORD attributes = GetFileAttributesW(std::wstring(widePath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsFiles::FileExists(std::wstring_view widePath) const {
    const DWORD attributes = GetFileAttributesW(std::wstring(widePath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsFiles::CreateFolder(std::wstring_view widePath) {
    return CreateDirectoryW(std::wstring(widePath).c_str(), nullptr);
}

}  // namespace zorbel::win32
