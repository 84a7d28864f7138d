#pragma once
// The main window: the Rx window with its toolbars, word lists,
// record button, receive line and status bar, and the menus.

#include <windows.h>

#include "capture/CaptureFile.h"
#include "capture/CaptureStateMachine.h"
#include "capture/EngineConnection.h"
#include "capture/EngineWindowControl.h"
#include "capture/ExitSequence.h"
#include "capture/HeaderDate.h"
#include "capture/NavtexListening.h"
#include "capture/NavtexReception.h"
#include "capture/NotchCommand.h"
#include "capture/ReceiveLine.h"
#include "capture/RxFileCommands.h"
#include "capture/RxText.h"
#include "config/CaptureSettings.h"
#include "config/MemoryDisplay.h"
#include "config/ProgramSettings.h"
#include "config/StorageFolders.h"
#include "config/WordLists.h"
#include "config/WordThemes.h"
#include "platform/EngineLinkOpener.h"
#include "shell/MainLayout.h"
#include "shell/MenuChecks.h"
#include "shell/ReceptionChromeView.h"
#include "shell/WeatherReading.h"
#include "shell/WindowControls.h"
#include "win32/CaseFolding.h"
#include "win32/Clock.h"
#include "win32/ControlNotifications.h"
#include "win32/Dialogs.h"
#include "win32/DocumentFiles.h"
#include "win32/EngineLink.h"
#include "win32/EngineMessageHook.h"
#include "win32/ExplorerFolderShell.h"
#include "win32/FileDialogs.h"
#include "win32/Files.h"
#include "win32/FolderChooserWindow.h"
#include "win32/Fonts.h"
#include "win32/Handles.h"
#include "win32/Label.h"
#include "win32/Locale.h"
#include "win32/MemoryStatus.h"
#include "win32/NavtexWindow.h"
#include "win32/Printing.h"
#include "win32/RecordButton.h"
#include "win32/RxWindow.h"
#include "win32/SettingsStore.h"
#include "win32/StatusBar.h"
#include "win32/Toolbar.h"
#include "win32/Tooltips.h"
#include "win32/Twips.h"
#include "win32/Window.h"
#include "win32/WordCombos.h"

namespace zorbel::shell {

class MainWindow : public win32::Window, private ExitSteps, private platform::EngineWindowPlace {
public:
    static constexpr wchar_t kClassName[] = L"ZorbelMainWindow";

    MainWindow();

    bool Create(HINSTANCE instance);
    // After the load and before the window is shown: the stored size, switches, lists and folders.
    void LoadSettings();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnCreate();
    void OnSize(UINT state, int width, int height);
    void OnGetMinMaxInfo(MINMAXINFO& info) const;
    void OnCommand(int id);
    void OnInitMenuPopup(HMENU popup);
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    void OnPaint();
    void OnDestroy();
    void DockEngineWindow();
    void SetUpFolder(StorageFolder folder);

    // A control's creation at its design place.
    win32::ChildPlace At(int id, const TwipsRect& designPlace, HFONT font = nullptr) const;
    void CreateControls();
    void CreateToolbars();
    void CreateWordLists();
    void FitWordRow();
    // Whether the menu command may act now; commands without a rule always may.
    bool IsAvailable(UINT id) const;
    void RunThemeEntry(int id);

    // The exit sequence's steps.
    void HideEngineWindow() override;
    bool HasUnsavedText() const override;
    bool OfferToSave() override;
    void Unhook() override;
    void ShutDownEngine() override;
    void SaveSettings() override;
    void BlockSessionEnd(bool blocked) override;

    // The engine window beside the main window after the engine came back.
    void PlaceEngineWindow() override { DockEngineWindow(); }

    HMENU wetterMenu_ = nullptr;
    win32::Twips twips_;

    win32::FontHandle messageFont_;
    win32::FontHandle labelFont_;
    win32::FontHandle themeLabelFont_;
    win32::FontHandle lineLabelFont_;
    win32::BrushHandle infoBrush_;
    win32::ImageListHandle formatImages_;

    win32::RxWindow rx_;
    win32::StatusBar statusBar_;
    win32::Toolbar fileToolbar_;
    win32::Toolbar formatToolbar_;
    win32::WordCombos combos_;
    win32::RecordButton recordButton_;
    win32::Label lineLabel_;
    win32::Label startLabel_;
    win32::Label stopLabel_;
    win32::Label themeLabel_;
    win32::Tooltips tooltips_;
    win32::ControlNotifications controlNotifications_;

    win32::SystemClock clock_;
    win32::UserLocale locale_;
    win32::LocaleCaseFolding caseFolding_;
    win32::WindowsDialogs dialogs_;
    win32::WindowsFiles files_;
    win32::FolderChooserWindow folderChooser_;
    win32::ExplorerFolderShell folderShell_;
    win32::WindowsFileDialogs fileDialogs_;
    win32::WindowsDocumentFiles documentFiles_;
    win32::WindowsRxPrinter printer_{rx_};
    win32::SystemMemoryStatus memoryStatus_;
    win32::RegistrySettingsStore settingsStore_;
    WindowControls controls_;
    MenuCheckMarks menuChecks_;
    ReceptionChromeView receptionView_;
    WeatherReading weatherReading_{rx_, dialogs_};

    win32::EngineLink engineLink_;
    win32::EngineMessageHook engineHook_;
    NotchCommand notch_;
    EngineWindowControl engineWindow_;
    EngineConnection engineConnection_;

    CaptureSettings settings_;
    ReceiveLine receiveLine_;
    RxText rxText_;
    WordLists words_;
    WordThemes themes_;
    StorageFolders folders_;
    ProgramSettings programSettings_;
    HeaderDate headerDate_;
    CaptureFile captureFile_;
    MemoryDisplay memory_;
    NavtexReception navtex_;
    // The capture's engine hook, with the NAVTEX reader listening in.
    NavtexListening navtexListening_;
    win32::NavtexWindow navtexWindow_;
    CaptureStateMachine capture_;
    RxFileCommands rxFiles_;
    ExitSequence exit_;
};

}  // namespace zorbel::shell
