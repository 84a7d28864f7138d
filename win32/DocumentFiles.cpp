#include "win32/DocumentFiles.h"

#include <windows.h>

#include "win32/Handles.h"
#include "win32/SystemError.h"

namespace zorbel::win32 {
namespace {

platform::FileFailure LastFailure() { return {SystemErrorUtf8(GetLastError())}; }

}  // namespace

std::variant<std::string, platform::FileFailure, platform::FileTooLarge> WindowsDocumentFiles::ReadAll(
    const std::wstring& widePath, std::uint64_t maxBytes) {
    const FileHandle file(CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return LastFailure();
    const auto bytesInFile = static_cast<std::uint64_t>(size.QuadPart);
    // One ReadFile takes at most a DWORD's worth.
    if (bytesInFile > maxBytes || bytesInFile > MAXDWORD) return platform::FileTooLarge{bytesInFile};
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return LastFailure();
    bytes.resize(read);
    return bytes;
}

std::optional<platform::FileFailure> WindowsDocumentFiles::WriteReplacing(const std::wstring& widePath,
                                                                         std::string_view bytes) {
    // Windows refuses to replace a read-only file; Wine's rename does not,
    // so the user's protection is honoured here for both.
    const DWORD targetAttributes = GetFileAttributesW(widePath.c_str());
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return LastFailure();
    }
    // Beside the target, so that the replacement is a rename on one drive.
    const std::wstring temporary = widePath + L".zorbel-tmp";
    {
        const FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return LastFailure();
        DWORD written = 0;
        const bool complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                        nullptr) &&
                              written == bytes.size() && FlushFileBuffers(file.get());
        if (!complete) {
            const auto failure = LastFailure();
            DeleteFileW(temporary.c_str());
            return failure;
        }
    }
    if (!MoveFileExW(temporary.c_str(), widePath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const auto failure = LastFailure();
        DeleteFileW(temporary.c_str());
        return failure;
    }
    return std::nullopt;
}

}  // namespace zorbel::win32
