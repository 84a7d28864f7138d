#include "win32/WeatherWindow.h"

#include <commctrl.h>
#include <commdlg.h>

#include <variant>

#include "win32/BoxInFront.h"
#include "win32/ChildWindow.h"
#include "win32/DocumentFiles.h"
#include "win32/Encoding.h"
#include "win32/FileDialogs.h"
#include "win32/Fonts.h"
#include "win32/Twips.h"
#include "win32/WeatherWindowIds.h"

namespace zorbel::win32 {
namespace {

constexpr wchar_t kTitle[] = L"Wetter lesen";
constexpr int kOuterWidth = 12600;  // twips
constexpr int kOuterHeight = 9000;

HMENU MakeMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, IDM_WEATHER_EXPORT_CSV, L"Als &CSV exportieren…");
    AppendMenuW(file, MF_STRING, IDM_WEATHER_SAVE_MAP, L"Karte als &PNG speichern…");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IDM_WEATHER_CLOSE, L"&Schließen");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&Datei");
    return bar;
}

// "Synop07Dez2026-0600.txt" becomes "Synop07Dez2026-0600.csv".
std::wstring WithExtension(const std::wstring& name, const wchar_t* extension) {
    const std::size_t dot = name.rfind(L'.');
    return (dot == std::wstring::npos ? name : name.substr(0, dot)) + L"." + extension;
}

}  // namespace

WeatherWindow::WeatherWindow(std::vector<weather::SynopReport> reports, std::wstring wideSource,
                             std::wstring wideSaveFolder)
    : reports_(std::move(reports)), table_(reports_), source_(std::move(wideSource)),
      saveFolder_(std::move(wideSaveFolder)) {}

bool WeatherWindow::Create(HWND owner) {
    WNDCLASSEXW windowClass{};
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ZORBEL_WEATHER_WINDOW_CLASS;
    windowClass.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON));
    if (!RegisterWindowClass(windowClass)) return false;

    const Twips twips = Twips::ForScreen();
    const std::wstring count = std::to_wstring(reports_.size()) + (reports_.size() == 1 ? L" Meldung" : L" Meldungen");
    const std::wstring title = std::wstring(kTitle) + L" – " + source_ + L" (" + count + L")";
    if (!CreateWindowOf({.className = ZORBEL_WEATHER_WINDOW_CLASS,
                         .title = title.c_str(),
                         .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         .width = twips.ToPxX(kOuterWidth),
                         .height = twips.ToPxY(kOuterHeight),
                         .parent = owner,
                         .menuOrId = MakeMenu()}))
        return false;
    ShowWindow(hwnd_, SW_SHOW);
    return true;
}

LRESULT WeatherWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls();
        return 0;
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_NOTIFY:
        return controlNotifications_.TakeNotify(*reinterpret_cast<const NMHDR*>(lParam)).value_or(0);
    case WM_COMMAND:
        if (!controlNotifications_.TakeCommand(wParam, lParam)) OnCommand(LOWORD(wParam));
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void WeatherWindow::CreateControls() {
    font_ = MakeMessageFont();
    tabs_.Create({hwnd_, IDC_WEATHER_TABS, {}, font_.get()});
    list_.Create({hwnd_, IDC_WEATHER_TABLE, {}, font_.get()}, table_);
    map_.Create(hwnd_, IDC_WEATHER_MAP, reports_);
    tabs_.AddPage(L"Tabelle", list_.Hwnd());
    tabs_.AddPage(L"Karte", map_.Hwnd());
    tabs_.Show(0);
    controlNotifications_.Add(tabs_);
    controlNotifications_.Add(list_);
}

void WeatherWindow::OnSize() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    tabs_.Place(client);
}

void WeatherWindow::OnCommand(int id) {
    switch (id) {
    case IDM_WEATHER_EXPORT_CSV: ExportCsv(); break;
    case IDM_WEATHER_SAVE_MAP: SaveMap(); break;
    case IDM_WEATHER_CLOSE: DestroyWindow(hwnd_); break;
    default: break;
    }
}

std::wstring WeatherWindow::AskSavePath(const wchar_t* title, std::wstring_view barFilter, const wchar_t* extension) {
    const FileDialogRequest request{title, barFilter,
                                    OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, true, false, extension};
    const platform::FileChoice choice =
        ShowFileDialog(hwnd_, request, saveFolder_, 1, WithExtension(source_, extension));
    if (const auto* failure = std::get_if<platform::DialogFailure>(&choice)) ShowFailure(failure->utf8Reason);
    const auto* chosen = std::get_if<platform::ChosenFile>(&choice);
    return chosen ? chosen->widePath : std::wstring();
}

void WeatherWindow::ExportCsv() {
    const std::wstring path = AskSavePath(L"Als CSV exportieren", L"CSV-Datei (*.csv)|*.csv", L"csv");
    if (path.empty()) return;
    WindowsDocumentFiles files;
    if (const auto failure = files.WriteReplacing(path, table_.Csv()))
        ShowFailure("Die CSV-Datei konnte nicht geschrieben werden: " + failure->utf8Reason);
}

void WeatherWindow::SaveMap() {
    const std::wstring path = AskSavePath(L"Karte als PNG speichern", L"PNG-Bild (*.png)|*.png", L"png");
    if (path.empty()) return;
    if (const auto failure = map_.SavePng(path))
        ShowFailure("Die Karte konnte nicht gespeichert werden: " + *failure);
}

void WeatherWindow::ShowFailure(const std::string& utf8Text) {
    ShowBoxInFront(hwnd_, Utf8ToWide(utf8Text).c_str(), kTitle, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace zorbel::win32
