#include "shell/AboutBox.h"

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "config/Version.h"
#include "shell/resource.h"
#include "win32/BoxInFront.h"
#include "win32/CallbackBoundary.h"

namespace zorbel::shell {
namespace {

constexpr wchar_t kDescription[] =
    L"Das ZORBEL - Programmpaket dient dem Mitschreiben von Amateurfunk - Fernschreibaussendungen sowie "
    L"von (See-) Wetterberichten des DWD (spez. für Sportboote). "
    L"Benötigt wird dazu als Schnittstelle zwischen der Soundkarte und diesem Programm eine Engine: die "
    L"mitgelieferte ZORBEL-Engine oder MMTTY ab V1.59. Näheres dazu in der Hilfe.";

constexpr wchar_t kDisclaimer[] =
    L"Dieses Programm wird ohne jede Gewährleistung weitergegeben. Sie benutzen es auf eigene Gefahr; für "
    L"Schäden, die aus seinem Gebrauch entstehen, wird keine Haftung übernommen.";

struct AboutState {
    HWND mainWindow;
    platform::Dialogs& dialogs;
    std::function<void()> hideEngineWindowFirst;
};

// The copyright as the program's version resource holds it.
std::wstring LegalCopyright() {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    if (!loaded) return {};
    // VerQueryValueW may write into the block: query a copy.
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    std::vector<BYTE> block(bytes, bytes + SizeofResource(nullptr, found));
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\StringFileInfo\\040704B0\\LegalCopyright", reinterpret_cast<void**>(&text),
                        &length) || !text)
        return {};
    return text;
}

std::optional<std::wstring> MachineText(const wchar_t* key, const wchar_t* value) {
    wchar_t text[MAX_PATH] = {};
    DWORD size = sizeof(text);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return text;
}

std::optional<std::wstring> SystemInformationTool() {
    if (auto path = MachineText(L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH")) return path;
    if (auto folder = MachineText(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO")) {
        const std::wstring path = *folder + L"\\MSINFO32.EXE";
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
    }
    return std::nullopt;
}

void StartSystemInformation(const AboutState& state, HWND about) {
    state.hideEngineWindowFirst();
    const auto tool = SystemInformationTool();
    if (tool && reinterpret_cast<INT_PTR>(ShellExecuteW(about, nullptr, tool->c_str(), nullptr, nullptr,
                                                        SW_SHOWNORMAL)) > 32)
        return;
    state.dialogs.ShowMessage(platform::MessageIcon::None, "Systeminformationen sind zur Zeit nicht verfügbar",
                              ZORBEL_PRODUCT_NAME);
}

void FillTexts(HWND about) {
    const std::wstring version = L"Version " + std::to_wstring(ZORBEL_VERSION_MAJOR) + L"." +
                                 std::to_wstring(ZORBEL_VERSION_MINOR) + L"." +
                                 std::to_wstring(ZORBEL_VERSION_REVISION) + L"  " + LegalCopyright();
    SetDlgItemTextW(about, IDC_ABOUT_VERSION, version.c_str());
    SetDlgItemTextW(about, IDC_ABOUT_TITLE, L"" ZORBEL_PRODUCT_NAME);
    SetDlgItemTextW(about, IDC_ABOUT_DESCRIPTION, kDescription);
    SetDlgItemTextW(about, IDC_ABOUT_DISCLAIMER, kDisclaimer);
}

INT_PTR HandleAboutMessage(HWND about, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(about, DWLP_USER, lParam);
        win32::BringBoxToFront(about, reinterpret_cast<const AboutState*>(lParam)->mainWindow);
        FillTexts(about);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_ABOUT_SYSINFO:
        StartSystemInformation(*reinterpret_cast<const AboutState*>(GetWindowLongPtrW(about, DWLP_USER)), about);
        return TRUE;
    case IDOK:
    case IDCANCEL:
        EndDialog(about, IDOK);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutProc(HWND about, UINT message, WPARAM wParam, LPARAM lParam) {
    return win32::CatchAtCallbackBoundary<INT_PTR>(FALSE,
                                                   [&] { return HandleAboutMessage(about, message, wParam, lParam); });
}

}  // namespace

void ShowAboutBox(HWND mainWindow, platform::Dialogs& dialogs, std::function<void()> hideEngineWindowFirst) {
    AboutState state{mainWindow, dialogs, std::move(hideEngineWindowFirst)};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), mainWindow, &AboutProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace zorbel::shell
