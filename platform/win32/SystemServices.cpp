#include "platform/win32/SystemServices.h"

#include <memory>
#include <string>
#include <type_traits>

#include "platform/win32/Encoding.h"

namespace zorbel::win32 {
namespace {

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FileCloser>;

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\ZORBEL\\Settings";

}  // namespace

bool MessageBoxes::AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) {
    return MessageBoxW(owner_, Utf8ToWide(utf8Prompt).c_str(), Utf8ToWide(utf8Title).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void MessageBoxes::ShowMessage(platform::MessageIcon icon, std::string_view utf8Prompt,
                               std::string_view utf8Title) {
    const UINT iconFlag = icon == platform::MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    MessageBoxW(owner_, Utf8ToWide(utf8Prompt).c_str(), Utf8ToWide(utf8Title).c_str(), MB_OK | iconFlag);
}

platform::ErrorAnswer MessageBoxes::AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) {
    const int answer = MessageBoxW(owner_, Utf8ToWide(utf8Prompt).c_str(), Utf8ToWide(utf8Title).c_str(),
                                   MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION);
    if (answer == IDRETRY) return platform::ErrorAnswer::Retry;
    return answer == IDIGNORE ? platform::ErrorAnswer::Ignore : platform::ErrorAnswer::Abort;
}

bool WindowsFiles::Exists(std::string_view ansiPath) const {
    return GetFileAttributesW(AnsiToWide(ansiPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WindowsFiles::CreateDirectories(std::string_view ansiPath) {
    const std::wstring path = AnsiToWide(ansiPath);
    // Create each missing level from the top down.
    for (std::size_t at = path.find_first_of(L"\\/", 3); ; at = path.find_first_of(L"\\/", at + 1)) {
        const std::wstring level = path.substr(0, at);
        if (!level.empty()) CreateDirectoryW(level.c_str(), nullptr);
        if (at == std::wstring::npos) break;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsFiles::AppendBytes(std::string_view ansiPath, std::string_view bytes) {
    FileHandle file(CreateFileW(AnsiToWide(ansiPath).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return false;
    }
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

platform::MemoryFigures SystemMemoryStatus::Query() const {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatusEx(&status);
    return {status.dwMemoryLoad,   status.ullTotalPhys,     status.ullAvailPhys,   status.ullTotalPageFile,
            status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

std::optional<std::wstring> RegistrySettingsStore::GetText(std::wstring_view wideKey) const {
    const std::wstring name(wideKey);
    // RRF_RT_REG_SZ: a value of another type counts as missing.
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(),
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

void RegistrySettingsStore::SetText(std::wstring_view wideKey, std::wstring_view wideValue) {
    const std::wstring name(wideKey);
    const std::wstring value(wideValue);
    // Creates the key path as needed; the size counts the final NUL.
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace zorbel::win32
