#include "shell/HelpPage.h"

#include <shellapi.h>

#include <string>

#include "config/Version.h"
#include "win32/Encoding.h"

namespace zorbel::shell {
namespace {

std::wstring BesideProgram(const wchar_t* fileName) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + fileName;
}

std::wstring WindowCaption(HWND window) {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()))));
    return caption;
}

std::string SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string utf8 = text ? win32::WideToUtf8(text) : "Fehler " + std::to_string(error);
    LocalFree(text);
    return utf8;
}

}  // namespace

void ShowHelpContents(HWND mainWindow, platform::Dialogs& dialogs) {
    const std::wstring page = BesideProgram(kHelpFileName);
    if (GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES) {
        dialogs.ShowMessage(platform::MessageIcon::Information,
                            "Hilfeinhalt konnte nicht angezeigt werden. Dieser Anwendung ist keine Hilfedatei "
                            "zugeordnet.",
                            win32::WideToUtf8(WindowCaption(mainWindow)));
        return;
    }
    // Values up to 32 are errors; the browser itself runs on its own.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(mainWindow, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) dialogs.ShowMessage(platform::MessageIcon::None, SystemErrorText(GetLastError()), ZORBEL_PRODUCT_NAME);
}

}  // namespace zorbel::shell
