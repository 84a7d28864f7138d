#include "win32/FileDialogs.h"

#include <cderr.h>
#include <commdlg.h>

#include <array>
#include <cstdio>
#include <string>

#include "win32/CallbackBoundary.h"

namespace zorbel::win32 {
namespace {

constexpr std::wstring_view kOpenFilter = L"Rich Text File (*.rtf)|*.rtf|Text File (*.txt)|*.txt|";
constexpr std::wstring_view kSaveFilter = L"Rich Text File (*.rtf)|*.rtf|Text File (*.txt)|*.txt";
constexpr std::array<const wchar_t*, 2> kFilterExtensions{L"rtf", L"txt"};

// "|" between the parts, as the filters are written, becomes the NUL the
// dialog wants; a trailing "|" is then just the closing NUL.
std::wstring NulSeparated(std::wstring_view barFilter) {
    std::wstring filter(barFilter);
    for (wchar_t& unit : filter)
        if (unit == L'|') unit = L'\0';
    filter.append(2, L'\0');
    return filter;
}

const wchar_t* ExtensionOfFilter(DWORD filterIndex) {
    return kFilterExtensions[filterIndex == 2 ? 1 : 0];
}

// The default extension follows the filter the user picks, so a name typed
// without one gets the extension of the format it is written in.
UINT_PTR CALLBACK FollowFilterHook(HWND hookDialog, UINT message, WPARAM, LPARAM lParam) {
    return CatchAtCallbackBoundary<UINT_PTR>(0, [&] {
        if (message == WM_NOTIFY) {
            const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
            if (notify->hdr.code == CDN_TYPECHANGE)
                SendMessageW(GetParent(hookDialog), CDM_SETDEFEXT, 0,
                             reinterpret_cast<LPARAM>(ExtensionOfFilter(notify->lpOFN->nFilterIndex)));
        }
        return UINT_PTR{0};
    });
}

// Why the dialog did not open. Without it a refused proposed name (or any
// other failure) would look like the user's Cancel.
platform::DialogFailure FailureOf(DWORD error) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%04lX", static_cast<unsigned long>(error));
    const char* reason = "";
    switch (error) {
    case FNERR_INVALIDFILENAME: reason = ": Der Dateiname oder der Ordner ist ungültig."; break;
    case FNERR_BUFFERTOOSMALL: reason = ": Der Pfad ist zu lang."; break;
    case CDERR_MEMALLOCFAILURE:
    case CDERR_MEMLOCKFAILURE: reason = ": Nicht genug Arbeitsspeicher."; break;
    default: break;
    }
    return {std::string("Fehler ") + code + reason};
}

}  // namespace

platform::FileChoice ShowFileDialog(HWND owner, const FileDialogRequest& request, const std::wstring& startFolder,
                                    int filterIndex, const std::wstring& proposedName) {
    const std::wstring filter = NulSeparated(request.barFilter);
    std::wstring path(32768, L'\0');
    proposedName.copy(path.data(), std::min<std::size_t>(proposedName.size(), path.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = startFolder.c_str();
    dialog.lpstrTitle = request.title;
    dialog.Flags = request.flags | OFN_EXPLORER;
    dialog.lpstrDefExt = request.defaultExtension;
    if (request.save && request.extensionFollowsFilter) {
        dialog.lpstrDefExt = ExtensionOfFilter(dialog.nFilterIndex);
        dialog.Flags |= OFN_ENABLEHOOK | OFN_ENABLESIZING;
        dialog.lpfnHook = &FollowFilterHook;
    }

    // The dialog may move the current directory; the program's stays where it was.
    std::wstring currentDirectory(GetCurrentDirectoryW(0, nullptr), L'\0');
    currentDirectory.resize(GetCurrentDirectoryW(static_cast<DWORD>(currentDirectory.size()),
                                                 currentDirectory.data()));
    const BOOL chosen = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    const DWORD error = chosen ? 0 : CommDlgExtendedError();
    SetCurrentDirectoryW(currentDirectory.c_str());
    if (error != 0) return FailureOf(error);
    if (!chosen) return platform::DialogCancelled{};
    path.resize(wcslen(path.c_str()));
    return platform::ChosenFile{path, static_cast<int>(dialog.nFilterIndex)};
}

platform::FileChoice WindowsFileDialogs::AskOpenPath(const std::wstring& wideStartFolder, int filterIndex) {
    return ShowFileDialog(owner_,
                          {L"Öffnen", kOpenFilter, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY},
                          wideStartFolder, filterIndex, L"");
}

platform::FileChoice WindowsFileDialogs::AskSavePath(const std::wstring& wideStartFolder, int filterIndex,
                                                     const std::wstring& wideProposedName) {
    return ShowFileDialog(owner_,
                          {L"Speichern", kSaveFilter,
                           OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, true, true},
                          wideStartFolder, filterIndex, wideProposedName);
}

}  // namespace zorbel::win32
