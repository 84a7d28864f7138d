#include "win32/FolderChooserWindow.h"

#include <algorithm>

#include "config/FolderChooserRules.h"
#include "config/FolderPath.h"
#include "win32/BoxInFront.h"
#include "win32/ChildWindow.h"
#include "win32/DiskListing.h"
#include "win32/Fonts.h"
#include "win32/Twips.h"

namespace zorbel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZorbelFolderChooser";
constexpr wchar_t kCaption[] = L"  Ordner zum Abspeichern festlegen";
enum ControlId { kNameEdit = 101, kDriveList, kFolderList, kCancelButton, kOkButton, kNameLabel, kPathLine };

struct TwipsBox {
    int left, top, width, height;
};
constexpr int kClientWidth = 4440;
constexpr int kClientHeight = 4020;
constexpr TwipsBox kLabelBox{120, 120, 1800, 255};
constexpr TwipsBox kNameBox{120, 400, 4200, 315};
constexpr TwipsBox kDriveBox{120, 840, 4200, 2400};  // height includes the drop-down part
constexpr TwipsBox kFolderBox{120, 1260, 4200, 1800};
constexpr TwipsBox kPathBox{120, 3150, 4200, 255};
constexpr TwipsBox kCancelBox{120, 3510, 1300, 375};
constexpr TwipsBox kOkBox{3020, 3510, 1300, 375};
constexpr wchar_t kPathPrefix[] = L"Speicherort: ";
constexpr int kIndentPerLevel = 2;  // blanks before a folder per level below the drive

std::wstring SystemErrorText(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring description = text ? text : L"Laufwerk nicht bereit";
    LocalFree(text);
    return description;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::optional<platform::FolderChoice> FolderChooserWindow::Choose(std::wstring_view wideStartFolder,
                                                                  std::wstring_view proposedName,
                                                                  std::wstring_view nameTip) {
    WNDCLASSEXW windowClass{};
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterWindowClass(windowClass)) return std::nullopt;

    const Twips twips = Twips::ForScreen();
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    RECT outer{0, 0, twips.ToPxX(kClientWidth), twips.ToPxY(kClientHeight)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    if (!CreateWindowOf({.className = kClassName,
                         .title = kCaption,
                         .style = kStyle,
                         .extendedStyle = WS_EX_DLGMODALFRAME,
                         .width = outer.right - outer.left,
                         .height = outer.bottom - outer.top,
                         .parent = owner_}))
        return std::nullopt;
    BringBoxToFront(hwnd_, owner_);
    CreateControls(proposedName, nameTip);
    const std::wstring start(wideStartFolder);
    SelectDriveOf(start);
    ShowFolder(start);

    // Modal: the owner takes no input until the chooser is gone.
    if (owner_) EnableWindow(owner_, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(nameEdit_);
    open_ = true;
    confirmed_ = false;
    MSG msg;
    while (open_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop

    platform::FolderChoice choice{folder_, WindowText(nameEdit_)};
    // Enabled again before the chooser goes, or Windows activates some other program's window.
    if (owner_) EnableWindow(owner_, TRUE);
    DestroyWindow(hwnd_);
    if (!confirmed_) return std::nullopt;
    return choice;
}

void FolderChooserWindow::CreateControls(std::wstring_view proposedName, std::wstring_view nameTip) {
    const Twips twips = Twips::ForScreen();
    font_ = MakeFont(L"Tahoma", 8.25);
    tooltips_.Create(hwnd_);
    const auto at = [&](ControlId id, const TwipsBox& box) {
        return ChildPlace{hwnd_, id,
                          RECT{twips.ToPxX(box.left), twips.ToPxY(box.top), twips.ToPxX(box.left + box.width),
                               twips.ToPxY(box.top + box.height)},
                          font_.get()};
    };
    CreateChildControl(at(kNameLabel, kLabelBox), L"STATIC", L"Ordnerbezeichnung:", SS_LEFT);
    nameEdit_ = CreateChildControl(at(kNameEdit, kNameBox), L"EDIT", std::wstring(proposedName).c_str(),
                                   WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    driveList_ =
        CreateChildControl(at(kDriveList, kDriveBox), L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
    folderList_ = CreateChildControl(at(kFolderList, kFolderBox), L"LISTBOX", L"",
                                     WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE);
    // Where the files will go, as OK would set it: upper case, joined to the folder shown.
    pathLine_ = CreateChildControl(at(kPathLine, kPathBox), L"STATIC", L"", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS);
    HWND cancel =
        CreateChildControl(at(kCancelButton, kCancelBox), L"BUTTON", L"&Abbrechen", WS_TABSTOP | BS_PUSHBUTTON);
    HWND ok = CreateChildControl(at(kOkButton, kOkBox), L"BUTTON", L"&OK", WS_TABSTOP | BS_DEFPUSHBUTTON);
    tooltips_.Add(nameEdit_, std::wstring(nameTip).c_str());
    tooltips_.Add(driveList_, L"Laufwerk auswählen");
    tooltips_.Add(folderList_, L"Ordner auswählen");
    tooltips_.Add(cancel, L"Auswahl abbrechen");
    tooltips_.Add(ok, L"Ordner bestätigen");

    driveRoots_.clear();
    for (const DriveEntry& drive : ListDrives()) {
        driveRoots_.push_back(drive.root);
        SendMessageW(driveList_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive.entryText.c_str()));
    }
}

void FolderChooserWindow::SelectDriveOf(const std::wstring& widePath) {
    const std::wstring root = DriveRootOf(widePath.substr(0, 2));
    for (std::size_t index = 0; index < driveRoots_.size(); ++index)
        if (driveRoots_[index] == root) SendMessageW(driveList_, CB_SETCURSEL, index, 0);
}

void FolderChooserWindow::ShowFolder(const std::wstring& widePath) {
    folder_ = widePath.size() > 3 && widePath.ends_with(L'\\') ? widePath.substr(0, widePath.size() - 1) : widePath;
    listedFolders_.clear();
    SendMessageW(folderList_, LB_RESETCONTENT, 0, 0);
    const auto add = [&](const std::wstring& path, std::wstring_view name, std::size_t level) {
        listedFolders_.push_back(path);
        const std::wstring line = std::wstring(level * kIndentPerLevel, L' ') + std::wstring(name);
        SendMessageW(folderList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    };
    // The drive, then each folder down to the path itself, each a level deeper.
    std::size_t level = 0;
    std::wstring path = folder_.substr(0, 3);
    add(path, UpperCase(path), level);
    for (std::size_t start = 3; start < folder_.size();) {
        const auto end = std::min(folder_.find(L'\\', start), folder_.size());
        path = folder_.substr(0, end);
        add(path, folder_.substr(start, end - start), ++level);
        start = end + 1;
    }
    SendMessageW(folderList_, LB_SETCURSEL, listedFolders_.size() - 1, 0);
    for (const std::wstring& name : ListSubfolders(folder_)) add(JoinFolder(folder_, name), name, level + 1);
    ShowChosenPath();
}

void FolderChooserWindow::ShowChosenPath() {
    const auto path = ChosenPath({folder_, WindowText(nameEdit_)});
    SetWindowTextW(pathLine_, path ? (kPathPrefix + *path).c_str() : L"");
}

void FolderChooserWindow::OnDriveChange() {
    const auto index = SendMessageW(driveList_, CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= driveRoots_.size()) return;
    const std::wstring& root = driveRoots_[static_cast<std::size_t>(index)];
    // A drive without a medium refuses; OK asks it again, Cancel keeps the folder shown so far.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (;;) {
        if (GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ShowFolder(root);
            break;
        }
        const std::wstring description = SystemErrorText(GetLastError());
        if (ShowBoxInFront(hwnd_, description.c_str(), L" Fehler", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
            SelectDriveOf(folder_);
            break;
        }
    }
    SetErrorMode(previousMode);
}

void FolderChooserWindow::Close(bool confirmed) {
    confirmed_ = confirmed;
    open_ = false;
}

void FolderChooserWindow::OnCommand(int id, int code) {
    switch (id) {
    case kDriveList:
        if (code == CBN_SELCHANGE) OnDriveChange();
        break;
    case kNameEdit:
        if (code == EN_CHANGE) ShowChosenPath();
        break;
    case kFolderList:
        if (code == LBN_DBLCLK) {
            const auto index = SendMessageW(folderList_, LB_GETCURSEL, 0, 0);
            if (index >= 0 && static_cast<std::size_t>(index) < listedFolders_.size())
                ShowFolder(listedFolders_[static_cast<std::size_t>(index)]);
        }
        break;
    case kOkButton:
    case IDOK:  // Enter
        Close(true);
        break;
    case kCancelButton:
    case IDCANCEL:  // Escape
        Close(false);
        break;
    default:
        break;
    }
}

LRESULT FolderChooserWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:  // the close box counts as cancel
        Close(false);
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace zorbel::win32
