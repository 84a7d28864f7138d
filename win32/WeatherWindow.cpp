#include "win32/WeatherWindow.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
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
constexpr int kMaxColumnWidth = 360;  // pixels at 96 per inch
constexpr std::size_t kRowsMeasured = 300;

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
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void WeatherWindow::CreateControls() {
    font_ = MakeMessageFont();
    const ChildPlace none{hwnd_, IDC_WEATHER_TABS, {}, font_.get()};
    tabs_ = CreateChildControl(none, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP);
    for (const auto& [index, caption] : {std::pair{0, L"Tabelle"}, std::pair{1, L"Karte"}}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(tabs_, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    }
    // Owner data: the list asks for the cells it shows, so a day of reports opens at once.
    list_ = CreateChildControl({hwnd_, IDC_WEATHER_TABLE, {}, font_.get()}, WC_LISTVIEWW, L"",
                               WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                               WS_EX_CLIENTEDGE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    FillTableColumns();
    SendMessageW(list_, LVM_SETITEMCOUNT, table_.RowCount(), 0);
    map_.Create(hwnd_, IDC_WEATHER_MAP, reports_);
    ShowView(0);
}

void WeatherWindow::FillTableColumns() {
    const int maxWidth = MulDiv(kMaxColumnWidth, Twips::ForScreen().DpiY(), 96);
    const auto widthOf = [&](const std::string& utf8Text) {
        const std::wstring text = Utf8ToWide(utf8Text);
        return static_cast<int>(SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    };
    const int padding = MulDiv(16, Twips::ForScreen().DpiY(), 96);
    for (std::size_t column = 0; column < table_.Headings().size(); ++column) {
        int width = widthOf(table_.Headings()[column]);
        for (std::size_t row = 0; row < std::min(table_.RowCount(), kRowsMeasured); ++row)
            width = std::max(width, widthOf(table_.Cell(row, column)));
        std::wstring heading = Utf8ToWide(table_.Headings()[column]);
        LVCOLUMNW entry{};
        entry.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        entry.fmt = table_.HoldsNumbers(column) ? LVCFMT_RIGHT : LVCFMT_LEFT;  // the first column stays left anyway
        entry.pszText = heading.data();
        entry.cx = std::min(width + padding, maxWidth);
        entry.iSubItem = static_cast<int>(column);
        SendMessageW(list_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&entry));
    }
}

void WeatherWindow::OnSize() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    PlaceWindow(tabs_, client);
    RECT inside = client;
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&inside));
    PlaceWindow(list_, inside);
    PlaceWindow(map_.Hwnd(), inside);
    InvalidateRect(map_.Hwnd(), nullptr, FALSE);
}

void WeatherWindow::ShowView(int tab) {
    const HWND shown = tab == 0 ? list_ : map_.Hwnd();
    const HWND hidden = tab == 0 ? map_.Hwnd() : list_;
    ShowWindow(hidden, SW_HIDE);
    // Above the tab control, which would otherwise paint over it.
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SendMessageW(tabs_, TCM_SETCURSEL, tab, 0);
}

LRESULT WeatherWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
        ShowView(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    if (header.hwndFrom != list_) return 0;
    if (header.code == LVN_GETDISPINFOW) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
        if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0 && static_cast<std::size_t>(item.iItem) < table_.RowCount()) {
            shownCell_ = Utf8ToWide(table_.Cell(static_cast<std::size_t>(item.iItem), static_cast<std::size_t>(item.iSubItem)));
            const std::size_t length = std::min(shownCell_.size(), static_cast<std::size_t>(item.cchTextMax - 1));
            std::copy_n(shownCell_.c_str(), length, item.pszText);
            item.pszText[length] = L'\0';
        }
        return 0;
    }
    if (header.code == LVN_COLUMNCLICK) {
        table_.SortBy(static_cast<std::size_t>(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem));
        ShowSortMark();
        InvalidateRect(list_, nullptr, FALSE);
    }
    return 0;
}

// The header's arrow on the sorted column, up for ascending.
void WeatherWindow::ShowSortMark() {
    const HWND headerControl = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
    for (std::size_t column = 0; column < table_.Headings().size(); ++column) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(headerControl, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (column == table_.SortColumn()) item.fmt |= table_.SortedAscending() ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(headerControl, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&item));
    }
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
