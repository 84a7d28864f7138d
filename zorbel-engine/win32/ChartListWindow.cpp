#include "zorbel-engine/win32/ChartListWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <filesystem>
#include <stdexcept>

#include "win32/ChildWindow.h"
#include "win32/Encoding.h"
#include "decoder/PngImage.h"
#include "zorbel-engine/win32/ChartFolder.h"
#include "zorbel-engine/win32/EngineWindowIds.h"

namespace zorbel::engine_side {
namespace {

constexpr wchar_t kClassName[] = L"ZorbelChartList";
constexpr wchar_t kTitle[] = L"Wetterkarten";

HMENU ChartMenu() {
    const HMENU bar = CreateMenu();
    const HMENU charts = CreatePopupMenu();
    AppendMenuW(charts, MF_STRING, IDM_CHARTS_OPEN, L"&Öffnen\tEingabe");
    AppendMenuW(charts, MF_STRING, IDM_CHARTS_REFRESH, L"&Aktualisieren\tF5");
    AppendMenuW(charts, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(charts, MF_STRING, IDM_CHARTS_SHOW_FOLDER, L"Ordner &anzeigen");
    AppendMenuW(charts, MF_STRING, IDM_CHARTS_CHOOSE_FOLDER, L"Ordner &wählen...");
    AppendMenuW(charts, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(charts, MF_STRING, IDM_CHARTS_CLOSE, L"&Schließen");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(charts), L"&Karten");
    return bar;
}

HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

bool FolderExists(const std::wstring& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The UTF-8 names of the folder's PNG files.
std::vector<std::string> PngNames(const std::wstring& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(win32::WideToUtf8(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::wstring ChartCaption(const weatherfax::ReceivedChart& chart) {
    return win32::Utf8ToWide(chart.title + " – " + weatherfax::StartText(chart.start) + " UTC, " +
                             weatherfax::FrequencyText(chart.frequencyHz));
}

}  // namespace

void ChartList::Create(HWND parent, HFONT font) {
    hwnd_ = win32::CreateChildControl({parent, IDC_CHARTS_LIST, {}, font}, WC_LISTVIEWW, L"",
                                      WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, WS_EX_CLIENTEDGE);
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    const std::pair<const wchar_t*, int> columns[] = {
        {L"Zeit (UTC)", 120}, {L"Karte", 330}, {L"Frequenz", 90}, {L"Zustand", 100}};
    for (int at = 0; at < static_cast<int>(std::size(columns)); ++at) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(columns[at].first);
        column.cx = columns[at].second;
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, at, reinterpret_cast<LPARAM>(&column));
    }
}

std::optional<LRESULT> ChartList::OnOwnNotify(const NMHDR& header) {
    if (header.code != LVN_ITEMACTIVATE) return std::nullopt;
    owner_.OpenChosenChart();
    return 0;
}

void ChartList::Show(const std::vector<weatherfax::ListedChart>& charts) {
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < static_cast<int>(charts.size()); ++row) {
        const weatherfax::ReceivedChart& chart = charts[static_cast<std::size_t>(row)].chart;
        const std::wstring cells[] = {win32::Utf8ToWide(weatherfax::StartText(chart.start)),
                                      win32::Utf8ToWide(chart.title),
                                      win32::Utf8ToWide(weatherfax::FrequencyText(chart.frequencyHz)),
                                      chart.incomplete ? L"unvollständig" : L""};
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(cells[0].c_str());
        SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < 4; ++column) {
            item.iSubItem = column;
            item.pszText = const_cast<wchar_t*>(cells[column].c_str());
            SendMessageW(hwnd_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
    }
    if (!charts.empty()) {
        LVITEMW first{};
        first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(hwnd_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
}

int ChartList::Chosen() const {
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void ChartListWindow::Open(HWND owner) {
    if (!hwnd_ && !Create(owner)) return;
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd_);
    Refresh();
}

bool ChartListWindow::Create(HWND owner) {
    WNDCLASSEXW windowClass{};
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    if (!RegisterWindowClass(windowClass)) return false;
    Creation creation;
    creation.className = kClassName;
    creation.title = kTitle;
    creation.style = WS_OVERLAPPEDWINDOW;
    creation.width = 720;
    creation.height = 480;
    creation.parent = owner;
    creation.menuOrId = ChartMenu();
    // The engine's window needs no common control of its own: the list view's class is registered here.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!CreateWindowOf(creation)) return false;
    font_.reset(MessageFont());
    note_ = win32::CreateChildControl({hwnd_, IDC_CHARTS_NOTE, {}, font_.get()}, L"STATIC", L"",
                                      SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS);
    list_.Create(hwnd_, font_.get());
    controlNotifications_.Add(list_);
    Layout();
    return true;
}

LRESULT ChartListWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_ACTIVATE:
        // Back in front, the list shows what arrived meanwhile.
        if (LOWORD(wParam) != WA_INACTIVE) {
            Refresh();
            SetFocus(list_.Hwnd());
        }
        return 0;
    case WM_COMMAND:
        if (!controlNotifications_.TakeCommand(wParam, lParam)) OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (const auto answer = controlNotifications_.TakeNotify(*reinterpret_cast<const NMHDR*>(lParam)))
            return *answer;
        if (reinterpret_cast<const NMHDR*>(lParam)->code == LVN_KEYDOWN &&
            reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey == VK_F5)
            Refresh();
        return 0;
    case WM_CLOSE:
        // Hidden, not ended: the engine keeps one list.
        ShowWindow(hwnd_, SW_HIDE);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void ChartListWindow::OnCommand(int id) {
    switch (id) {
    case IDM_CHARTS_OPEN: return OpenChosenChart();
    case IDM_CHARTS_REFRESH: return Refresh();
    case IDM_CHARTS_SHOW_FOLDER: {
        const std::wstring folder = ChartFolder(settings_);
        if (!FolderExists(folder)) return ShowFailure(L"Den Ordner „" + folder + L"“ gibt es noch nicht.");
        ShellExecuteW(hwnd_, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    case IDM_CHARTS_CHOOSE_FOLDER: return ChooseFolder();
    case IDM_CHARTS_CLOSE: ShowWindow(hwnd_, SW_HIDE); return;
    default: return;
    }
}

void ChartListWindow::Layout() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int margin = 8, noteHeight = 22;
    win32::PlaceWindow(note_, {margin, margin, client.right - margin, margin + noteHeight});
    win32::PlaceWindow(list_.Hwnd(), {margin, 2 * margin + noteHeight, client.right - margin, client.bottom - margin});
}

void ChartListWindow::Refresh() {
    const std::wstring folder = ChartFolder(settings_);
    charts_ = weatherfax::ChartsNewestFirst(PngNames(folder));
    list_.Show(charts_);
    std::wstring note;
    if (!FolderExists(folder)) note = L"Den Ordner „" + folder + L"“ gibt es noch nicht: die erste Karte legt ihn an.";
    else if (charts_.empty()) note = L"Noch keine Wetterkarten in „" + folder + L"“.";
    else note = std::to_wstring(charts_.size()) + (charts_.size() == 1 ? L" Wetterkarte" : L" Wetterkarten") +
                L" in „" + folder + L"“";
    SetWindowTextW(note_, note.c_str());
}

void ChartListWindow::OpenChosenChart() {
    const int row = list_.Chosen();
    if (row < 0 || row >= static_cast<int>(charts_.size())) return;
    const weatherfax::ListedChart& listed = charts_[static_cast<std::size_t>(row)];
    const std::wstring path = ChartFolder(settings_) + L"\\" + win32::Utf8ToWide(listed.fileName);
    decoder::GreyImage chart;
    try {
        chart = decoder::ReadPngFile(std::filesystem::path(path));
    } catch (const std::exception&) {
        return ShowFailure(L"Die Karte „" + win32::Utf8ToWide(listed.fileName) +
                           L"“ lässt sich nicht öffnen: sie ist keine lesbare PNG-Datei.");
    }
    OpenChart(hwnd_, std::move(chart), ChartCaption(listed.chart));
}

void ChartListWindow::OpenChart(HWND owner, decoder::GreyImage chart, const std::wstring& caption) {
    // Windows the user has closed give their place to the new one.
    std::erase_if(viewers_, [](const auto& viewer) { return !viewer->IsOpen(); });
    auto viewer = std::make_unique<ChartViewer>(std::move(chart), caption);
    if (viewer->Create(owner)) viewers_.push_back(std::move(viewer));
}

void ChartListWindow::RefreshIfShown() {
    if (hwnd_ && IsWindowVisible(hwnd_)) Refresh();
}

void ChartListWindow::ChooseFolder() {
    const auto chosen = AskChartFolder(hwnd_, ChartFolder(settings_));
    if (!chosen) return;
    settings_.chartFolder = *chosen;
    SaveEngineSettings(store_, settings_);
    Refresh();
}

void ChartListWindow::ShowFailure(const std::wstring& text) {
    MessageBoxW(hwnd_, text.c_str(), kTitle, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace zorbel::engine_side
