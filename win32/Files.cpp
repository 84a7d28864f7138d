#include "win32/Files.h"

#include <windows.h>

#include <string>

#include "platform/RetryWhileBusy.h"
#include "win32/Handles.h"

namespace zorbel::win32 {
namespace {

// A capture line waits at most about a second for a file another program
// holds; then it goes to the Rx window instead.
constexpr int kOpenTries = 5;
constexpr DWORD kOpenPauseMs = 250;

// Others may read, write, rename or delete the file while it is open: a sync
// client or a viewer holding it must not make the next line miss the file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

FileHandle OpenForAppend(const std::wstring& widePath) {
    FileHandle file(nullptr);
    platform::RetryWhileBusy(
        kOpenTries,
        [&] {
            // Write access, not append-only, so that a short write can be cut back.
            file = FileHandle(CreateFileW(widePath.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
            if (file) return platform::Attempt::Done;
            const DWORD error = GetLastError();
            return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? platform::Attempt::Busy
                                                                                      : platform::Attempt::Failed;
        },
        [] { Sleep(kOpenPauseMs); });
    return file;
}

}  // namespace

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
    const FileHandle file = OpenForAppend(std::wstring(widePath));
    LARGE_INTEGER end{};
    if (!file || !SetFilePointerEx(file.get(), LARGE_INTEGER{}, &end, FILE_END)) return false;
    // One write for the whole line: the line is in the file whole or not at all.
    DWORD written = 0;
    if (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size())
        return true;
    // A short write (a full disk) is cut back, so the file holds no torn
    // line when the caller shows the line elsewhere.
    if (written > 0 && SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN)) SetEndOfFile(file.get());
    return false;
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
