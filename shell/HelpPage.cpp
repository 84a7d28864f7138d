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
    // Values up to 32 are errors; the browser itself runs on its own. The
    // system's text for them would not help (without a browser it is
    // "Fehlerhaftes EXE-Format für %1.", placeholder and all): the page's
    // path does, for opening it by hand.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(mainWindow, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        dialogs.ShowMessage(platform::MessageIcon::Exclamation,
                            "Die Hilfeseite konnte nicht im Browser geöffnet werden. Sie lässt sich auch von Hand "
                            "öffnen:\r\n\r\n" + win32::WideToUtf8(page),
                            ZORBEL_PRODUCT_NAME);
}

}  // namespace zorbel::shell
