#include "shell/MainWindow.h"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <array>

#include "capture/CommandAvailability.h"
#include "config/ProgramValues.h"
#include "shell/AboutBox.h"
#include "shell/HelpPage.h"
#include "shell/MainLayout.h"
#include "shell/resource.h"
#include "shell/RxFormat.h"
#include "shell/SearchCommands.h"
#include "win32/ChildWindow.h"
#include "win32/Encoding.h"
#include "win32/Fonts.h"
#include "win32/LetterImages.h"
#include "win32/ScreenAreas.h"

namespace zorbel::shell {
namespace {

constexpr std::array<win32::ToolbarButton, 3> kFileButtons{{
    {IDT_OPEN, STD_FILEOPEN, L"Öffnen *.RTF"},
    {IDT_SAVE, STD_FILESAVE, L"Speichern als RTF"},
    {IDT_PRINT, STD_PRINT, L"Drucken"},
}};

constexpr std::array<win32::ToolbarButton, 4> kFormatButtons{{
    {IDT_FONT, 0, L"Format: Schrift"},
    {IDT_BOLD, 1, L"Format: Fett"},
    {IDT_ITALIC, 2, L"Format: Kursiv"},
    {IDT_UNDERLINE, 3, L"Format: Unterstreichen"},
}};

constexpr std::array<win32::LetterImage, 4> kFormatLetters{{
    {L'A', L"Times New Roman", false, false, false},
    {L'F', L"Arial", true, false, false},
    {L'K', L"Times New Roman", true, true, false},
    {L'U', L"Arial", false, false, true},
}};

// The popup that holds a given command, searched through the whole tree.
HMENU FindPopupHolding(HMENU menu, UINT commandId) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (GetMenuItemID(menu, position) == commandId) return menu;
        if (HMENU sub = GetSubMenu(menu, position)) {
            if (HMENU found = FindPopupHolding(sub, commandId)) return found;
        }
    }
    return nullptr;
}

std::wstring CurrentFolder() {
    std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
    directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
    return directory;
}

// The menu commands that may act only at some moments (CommandAvailability).
constexpr std::array<std::pair<UINT, Command>, 9> kRuledCommands{{
    {IDM_OPEN, Command::Open},
    {IDM_SAVE, Command::Save},
    {IDM_SUCHEN, Command::Search},
    {IDM_SUCHWEITER, Command::SearchNext},
    {IDM_PRINT, Command::Print},
    {IDM_EXIT, Command::Exit},
    {IDM_RXKILL, Command::ClearRx},
    {IDM_HILFE, Command::Help},
    {IDM_INFO, Command::Info},
}};

}  // namespace

MainWindow::MainWindow()
    : twips_(win32::Twips::ForScreen()),
      dialogs_({IDD_INPUTBOX, IDC_INPUTBOX_PROMPT, IDC_INPUTBOX_EDIT}),
      controls_(themeLabel_),
      receptionView_(recordButton_, fileToolbar_, formatToolbar_, rx_),
      engineHook_(engineLink_),
      notch_(engineLink_, dialogs_),
      engineWindow_(engineLink_, dialogs_, menuChecks_),
      engineConnection_({engineLink_, statusBar_, dialogs_, controls_, memory_, engineWindow_, *this}),
      receiveLine_(lineLabel_),
      rxText_(rx_, statusBar_),
      words_(combos_),
      themes_(controls_, menuChecks_, words_, settingsStore_, settings_),
      folders_(files_, folderChooser_, dialogs_),
      programSettings_(settingsStore_, themes_, words_, settings_, folders_),
      headerDate_(clock_, locale_),
      captureFile_(files_, headerDate_, settings_),
      memory_(memoryStatus_, locale_, statusBar_, dialogs_),
      navtex_({files_, documentFiles_, clock_, dialogs_, settings_}),
      navtexListening_(engineHook_, navtex_),
      navtexWindow_(navtex_),
      capture_(CaptureParts{receiveLine_, rxText_, words_, settings_, captureFile_, headerDate_, memory_,
                            receptionView_, combos_, statusBar_, rx_, dialogs_, navtexListening_, engineConnection_,
                            clock_, locale_}),
      rxFiles_(RxFileParts{rx_, rxText_, settings_, folders_, engineWindow_, fileDialogs_, documentFiles_, printer_,
                           dialogs_, statusBar_, clock_, locale_}),
      exit_(*this, dialogs_) {}

bool MainWindow::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ZORBEL));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZORBEL), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINMENU);
    windowClass.lpszClassName = kClassName;
    if (!RegisterWindowClass(windowClass)) return false;

    const std::wstring caption = win32::Utf8ToWide(values::kCaptionAtLoad);
    // A control parent, so that Tab moves through the controls of its children too.
    return CreateWindowOf({.className = kClassName,
                           .title = caption.c_str(),
                           .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           .extendedStyle = WS_EX_CONTROLPARENT,
                           .x = 0,
                           .y = 0,
                           .width = twips_.ToPxX(design::kOuterWidth),
                           .height = twips_.ToPxY(design::kOuterHeight)});
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto taken = engineHook_.TakeMessage(message, wParam, lParam)) return *taken;
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_COMMAND:
        if (!controlNotifications_.TakeCommand(wParam, lParam)) OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        return controlNotifications_.TakeNotify(*reinterpret_cast<const NMHDR*>(lParam)).value_or(0);
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_CLOSE:
        if (exit_.CloseRequested()) DestroyWindow(hwnd_);
        return 0;
    case WM_QUERYENDSESSION:
        return exit_.SessionEndQueried() ? TRUE : FALSE;
    case WM_ENDSESSION:
        // Another program may have refused the end: then reception goes on.
        if (wParam) exit_.SessionEnds();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        if (engineLink_.TakeAnnouncement(message, wParam, lParam)) return 0;
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void MainWindow::OnCreate() {
    dialogs_.SetOwner(hwnd_);
    folderChooser_.SetOwner(hwnd_);
    folderShell_.SetOwner(hwnd_);
    fileDialogs_.SetOwner(hwnd_);
    printer_.SetOwner(hwnd_);
    menuChecks_.Attach(hwnd_);
    messageFont_ = win32::MakeMessageFont();
    labelFont_ = win32::MakeFont(L"Arial", 8.25);
    themeLabelFont_ = win32::MakeFont(L"MS Sans Serif", 9.75);
    lineLabelFont_ = win32::MakeFont(L"Arial", 9.75);
    infoBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_INFOBK)));

    wetterMenu_ = FindPopupHolding(GetMenu(hwnd_), IDM_WETTEROSTSEE);

    CreateControls();
    controls_.Attach(hwnd_);
    receptionView_.Attach(hwnd_);
    engineLink_.Attach(hwnd_);
    engineConnection_.Open();
}

void MainWindow::LoadSettings() {
    programSettings_.Load(CurrentFolder());
    navtex_.Open(folders_.Path(StorageFolder::Navtex));
    menuChecks_.SetChecked(platform::MenuEntry::AutoSave, settings_.autoSave);
    const TwipsSize stored = programSettings_.StoredSize();
    const WindowPlace place = zorbel::PlaceWindow({0, 0, stored.width, stored.height}, kMainWindowMinimum,
                                                  win32::WorkAreasInTwips(twips_));
    SetWindowPos(hwnd_, nullptr, twips_.ToPxX(place.left), twips_.ToPxY(place.top), twips_.ToPxX(place.width),
                 twips_.ToPxY(place.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

// The exit sequence has already released the engine.
void MainWindow::OnDestroy() { PostQuitMessage(0); }

void MainWindow::HideEngineWindow() { engineWindow_.HideFirst(); }

bool MainWindow::HasUnsavedText() const { return rxText_.HoldsUnsavedText(); }

bool MainWindow::OfferToSave() { return rxFiles_.OfferToSave(); }

void MainWindow::Unhook() { navtexListening_.UnhookEngineWindow(); }

void MainWindow::ShutDownEngine() { engineLink_.CloseEngineLink(); }

// Settings are written with the start-up and settings wiring of the main window.
void MainWindow::SaveSettings() {
    navtex_.WriteAtExit();
    // The normal-state size: closing while minimised or maximised must not store the icon or the screen.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    // A failed read (the window already gone) would store a size of 0: the stored size stays then.
    if (!GetWindowPlacement(hwnd_, &placement)) return programSettings_.Save(programSettings_.StoredSize());
    const RECT& normal = placement.rcNormalPosition;
    programSettings_.Save({twips_.ToTwipsX(normal.right - normal.left), twips_.ToTwipsY(normal.bottom - normal.top)});
}

void MainWindow::BlockSessionEnd(bool blocked) {
    if (blocked)
        ShutdownBlockReasonCreate(hwnd_, L"Der Text im Rx-Fenster ist noch nicht gespeichert.");
    else
        ShutdownBlockReasonDestroy(hwnd_);
}

win32::ChildPlace MainWindow::At(int id, const TwipsRect& designPlace, HFONT font) const {
    return {hwnd_, id, ToPixels(twips_, designPlace), font};
}

void MainWindow::CreateControls() {
    tooltips_.Create(hwnd_);
    CreateToolbars();
    CreateWordLists();
    recordButton_.Create(At(IDC_RECORD_BUTTON, design::kRecordButton, messageFont_.get()), tooltips_,
                         [this] { capture_.ToggleReception(); });
    rx_.Create(hwnd_, IDC_RX_WINDOW, &rxText_);
    controlNotifications_.Add(recordButton_);
    controlNotifications_.Add(rx_);
    statusBar_.Create(hwnd_, IDC_STATUS_BAR, twips_, messageFont_.get(), tooltips_);
    themeLabel_.Create(At(IDC_THEME_LABEL, design::kThemeLabel, themeLabelFont_.get()), L"",
                       SS_CENTER | SS_CENTERIMAGE);
    stopLabel_.Create(At(IDC_STOP_LABEL, design::kStopLabel, labelFont_.get()), L"Stop:", SS_LEFT);
    startLabel_.Create(At(IDC_START_LABEL, design::kStartLabel, labelFont_.get()), L"Start:", SS_LEFT);
    lineLabel_.Create(At(IDC_LINE_LABEL, design::kLineLabel, lineLabelFont_.get()), L"",
                      SS_LEFTNOWORDWRAP | SS_CENTERIMAGE);
    FitWordRow();
}

// The design's widths hold "Start:" and "Startwort" only in the fonts of old: with larger fonts, or at
// another DPI, the labels and the prompts in the word boxes widen to their text and move the row along.
void MainWindow::FitWordRow() {
    using platform::WordList;
    const auto labelWidth = [](const win32::Label& label, std::string_view text) {
        return win32::TextWidthInFontOf(label.Hwnd(), win32::Utf8ToWide(text)) + 1;
    };
    const std::array<HWND, 5> row{startLabel_.Hwnd(), combos_.Combo(WordList::Start).Hwnd(), stopLabel_.Hwnd(),
                                  combos_.Combo(WordList::Stop).Hwnd(), themeLabel_.Hwnd()};
    const std::array<int, 5> needed{
        labelWidth(startLabel_, "Start:"),
        combos_.Combo(WordList::Start).WidthShowing(win32::Utf8ToWide(values::kStartWordPrompt)),
        labelWidth(stopLabel_, "Stop:"),
        combos_.Combo(WordList::Stop).WidthShowing(win32::Utf8ToWide(values::kStopWordPrompt)), 0};
    std::array<RECT, 5> places{};
    std::array<RowSpan, 5> design{};
    for (std::size_t index = 0; index < row.size(); ++index) {
        GetWindowRect(row[index], &places[index]);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&places[index]), 2);
        design[index] = {places[index].left, places[index].right - places[index].left};
    }
    const std::vector<RowSpan> fitted = FitRow(design, needed);
    // A combo box's height is that of its dropped list, as at its creation.
    const int comboHeight = twips_.ToPxY(design::kStartWords.height) + twips_.ToPxY(design::kComboDropHeight);
    for (std::size_t index = 0; index < row.size(); ++index) {
        const bool combo = index == 1 || index == 3;
        MoveWindow(row[index], fitted[index].left, places[index].top, fitted[index].width,
                   combo ? comboHeight : places[index].bottom - places[index].top, TRUE);
    }
}

void MainWindow::CreateToolbars() {
    // Toolbar images are 16 pixels at 96 pixels per inch and grow with the screen.
    const int imageSize = MulDiv(16, twips_.DpiY(), 96);
    constexpr int kLargeStandardImage = 20;
    fileToolbar_.CreateWithStandardImages(At(IDC_FILE_TOOLBAR, design::kFileToolbar), imageSize >= kLargeStandardImage,
                                          kFileButtons);
    formatImages_ = win32::MakeLetterImages(kFormatLetters, imageSize);
    formatToolbar_.CreateWithImages(At(IDC_FORMAT_TOOLBAR, design::kFormatToolbar), formatImages_.get(),
                                    kFormatButtons);
}

void MainWindow::CreateWordLists() {
    using platform::WordList;
    const auto withList = [&](int id, const TwipsRect& closedBox) {
        win32::ChildPlace at = At(id, closedBox, messageFont_.get());
        at.place.bottom += twips_.ToPxY(design::kComboDropHeight);
        return at;
    };
    // The stop words first, as the tab order has it.
    combos_.Combo(WordList::Stop).Create(withList(IDC_STOP_WORDS, design::kStopWords), tooltips_,
                                         L"Liste der Stopwörter",
                                         [this](int keyCode) { words_.OnKeyDown(WordList::Stop, keyCode); });
    combos_.Combo(WordList::Start).Create(withList(IDC_START_WORDS, design::kStartWords), tooltips_,
                                          L"Liste der Startwörter",
                                          [this](int keyCode) { words_.OnKeyDown(WordList::Start, keyCode); });
}

void MainWindow::OnSize(UINT state, int width, int height) {
    if (state == SIZE_MINIMIZED) {
        DockEngineWindow();
        return;
    }
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    const int minWidth = twips_.ToPxX(kMainWindowMinimum.width);
    const int minHeight = twips_.ToPxY(kMainWindowMinimum.height);
    if (state == SIZE_RESTORED && (outer.right - outer.left < minWidth || outer.bottom - outer.top < minHeight)) {
        SetWindowPos(hwnd_, nullptr, 0, 0, std::max<int>(outer.right - outer.left, minWidth),
                     std::max<int>(outer.bottom - outer.top, minHeight), SWP_NOMOVE | SWP_NOZORDER);
        return;  // the snapped size arrives as a resize of its own
    }

    statusBar_.Resize();
    const ResizedPlaces places = PlaceForClient(twips_, SIZE{width, height}, statusBar_.Height());
    win32::PlaceWindow(rx_.Hwnd(), places.rx);
    win32::PlaceWindow(lineLabel_.Hwnd(), places.lineLabel);
    recordButton_.MoveLeftEdgeTo(places.recordButtonLeft);
    RECT rule{0, 0, width, twips_.ToPxY(design::kRuleShadowOffset) + 1};
    InvalidateRect(hwnd_, &rule, TRUE);
    DockEngineWindow();
}

// The engine window sits under the main window while that has its normal
// size, and is hidden when the main window is maximised or minimised.
void MainWindow::DockEngineWindow() {
    if (IsIconic(hwnd_) || IsZoomed(hwnd_)) {
        engineWindow_.HideForResize();
        return;
    }
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    engineWindow_.DockUnder(outer.left, outer.bottom, outer.right - outer.left);
}

void MainWindow::SetUpFolder(StorageFolder folder) {
    engineWindow_.HideFirst();
    folders_.SetUp(folder);
    settings_.wideCaptureFolder = folders_.Path(StorageFolder::OtherFiles);
    navtex_.MoveTo(folders_.Path(StorageFolder::Navtex));
}

void MainWindow::OnGetMinMaxInfo(MINMAXINFO& info) const {
    info.ptMinTrackSize.x = twips_.ToPxX(kMainWindowMinimum.width);
    info.ptMinTrackSize.y = twips_.ToPxY(kMainWindowMinimum.height);
}

void MainWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    // An etched rule under the menu bar: highlight on top, shadow below.
    const int shadowTop = twips_.ToPxY(design::kRuleShadowOffset);
    RECT highlight{0, 0, client.right, 1};
    RECT shadow{0, shadowTop, client.right, shadowTop + 1};
    FillRect(dc, &highlight, GetSysColorBrush(COLOR_3DHIGHLIGHT));
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_3DSHADOW));
    EndPaint(hwnd_, &paint);
}

LRESULT MainWindow::OnCtlColorStatic(HDC dc, HWND control) {
    if (control == lineLabel_.Hwnd() || control == themeLabel_.Hwnd()) {
        SetBkColor(dc, GetSysColor(COLOR_INFOBK));
        SetTextColor(dc, GetSysColor(control == lineLabel_.Hwnd() ? COLOR_ACTIVECAPTION : COLOR_INFOTEXT));
        return reinterpret_cast<LRESULT>(infoBrush_.get());
    }
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

bool MainWindow::IsAvailable(UINT id) const {
    for (const auto& [ruledId, command] : kRuledCommands)
        if (ruledId == id) return IsCommandAvailable(command, {capture_.ReceptionOn(), rx_.IsEmpty()});
    return true;
}

// Menu entries, toolbar buttons and shortcut keys; the controls handle their own notifications.
void MainWindow::OnCommand(int id) {
    // A shortcut key acts only when its menu entry could be chosen.
    if (!IsAvailable(id)) return;
    switch (id) {
    case IDM_OPEN:
    case IDT_OPEN:
        rxFiles_.Open();
        break;
    case IDM_SAVE:
    case IDT_SAVE:
        rxFiles_.Save();
        break;
    case IDM_PRINT:
    case IDT_PRINT:
        rxFiles_.Print();
        break;
    case IDM_RXKILL:
        rxFiles_.Clear();
        break;
    case IDM_WETTERLESEN:
        // Automatic saving puts the Synop files into the other files' folder.
        weatherReading_.Open(hwnd_, folders_.Path(StorageFolder::OtherFiles));
        break;
    case IDM_NAVTEX:
        navtexWindow_.Open(hwnd_);
        break;
    case IDM_ABLAGENAVTEX:
        folders_.Show(StorageFolder::Navtex, folderShell_);
        break;
    case IDM_ABLAGEWETTER:
        folders_.Show(StorageFolder::Weather, folderShell_);
        break;
    case IDM_ABLAGEAFU:
        folders_.Show(StorageFolder::AmateurRadio, folderShell_);
        break;
    case IDM_ABLAGESONSTIGE:
        folders_.Show(StorageFolder::OtherFiles, folderShell_);
        break;
    case IDM_EXIT:
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
        break;
    case IDM_ALLES:
        themes_.ChooseEverything();
        break;
    case IDM_AFU:
        themes_.ChooseAmateurRadio();
        break;
    case IDM_WETTEROSTSEE:
    case IDM_WETTERNORDSEE:
    case IDM_WETTERATLANTIK:
    case IDM_WETTERMITTELMEER:
    case IDM_WETTERALLE:
        RunThemeEntry(id);
        break;
    case IDM_GRUNDEINSTWOERTER:
        themes_.RestoreStandardWords();
        break;
    case IDM_AUTOMSPEICHERN:
        settings_.autoSave = !settings_.autoSave;
        menuChecks_.SetChecked(platform::MenuEntry::AutoSave, settings_.autoSave);
        break;
    case IDM_ORDNERWETTER:
        SetUpFolder(StorageFolder::Weather);
        break;
    case IDM_ORDNERAFU:
        SetUpFolder(StorageFolder::AmateurRadio);
        break;
    case IDM_ORDNERSONSTIGE:
        SetUpFolder(StorageFolder::OtherFiles);
        break;
    case IDM_ORDNERNAVTEX:
        SetUpFolder(StorageFolder::Navtex);
        break;
    case IDM_RAMTEST:
        engineWindow_.HideFirst();
        memory_.Show(false);
        break;
    case IDM_NOTCH1:
        notch_.AskAndSendNotch();
        break;
    case IDM_ENGINEAUS:
        engineWindow_.ToggleEngineWindow();
        break;
    case IDM_SUCHEN:
    case IDM_SUCHWEITER:
        SearchRx(rx_, dialogs_, caseFolding_, id == IDM_SUCHWEITER);
        break;
    // Formatting changes the document as much as typing does, when it changes anything.
    case IDM_FONT:
    case IDT_FONT:
        rxFiles_.Format([this] { ChooseFontForSelection(hwnd_, rx_); });
        break;
    case IDM_LISTING:
        rxFiles_.Format([this] { rx_.SetWholeWindowFont(L"Courier New", 8); });
        break;
    case IDM_TEXT:
        rxFiles_.Format([this] { rx_.SetWholeWindowFont(L"Arial", 8); });
        break;
    case IDT_BOLD:
        rxFiles_.Format([this] { SwitchOnInSelection(rx_, CFE_BOLD); });
        break;
    case IDT_ITALIC:
        rxFiles_.Format([this] { SwitchOnInSelection(rx_, CFE_ITALIC); });
        break;
    case IDT_UNDERLINE:
        rxFiles_.Format([this] { SwitchOnInSelection(rx_, CFE_UNDERLINE); });
        break;
    case IDM_HILFE:
        engineWindow_.HideFirst();
        ShowHelpContents(hwnd_, dialogs_);
        break;
    case IDM_INFO:
        ShowAboutBox(hwnd_, dialogs_, [this] { engineWindow_.HideFirst(); });
        break;
    default:
        break;
    }
}

void MainWindow::RunThemeEntry(int id) {
    const auto entry = CheckableEntryOf(id);
    for (const values::ThemePreset& preset : values::kThemePresets) {
        if (preset.menu == entry) {
            themes_.ChooseSeaArea(preset.menu, preset.theme, preset.menuStartList);
            return;
        }
    }
}

void MainWindow::OnInitMenuPopup(HMENU popup) {
    // Entries of other popups are not found in this one and stay as they are.
    for (const auto& [id, command] : kRuledCommands)
        EnableMenuItem(popup, id, MF_BYCOMMAND | (IsAvailable(id) ? MF_ENABLED : MF_GRAYED));
    if (popup == wetterMenu_) themes_.ShowWeatherTitle();
}

}  // namespace zorbel::shell
