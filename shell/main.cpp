// Program entry: the single-instance guard, the splash while the main window
// loads, the settings, and the message loop.

#include <windows.h>
#include <commctrl.h>

#include "shell/MainWindow.h"
#include "shell/resource.h"
#include "shell/SingleInstance.h"
#include "shell/Splash.h"

namespace {

constexpr ULONGLONG kSplashMilliseconds = 3000;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Before anything else: a second instance must not touch the engine, the shared block or the store.
    const zorbel::shell::SingleInstance instanceGuard;
    if (instanceGuard.AnotherIsRunning()) {
        zorbel::shell::SingleInstance::ShowAlreadyRunning();
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));

    zorbel::shell::MainWindow window;
    {
        zorbel::shell::Splash splash;
        splash.Show(instance);
        // A monotonic count: a start just before midnight still waits its 3 s.
        const ULONGLONG splashEnd = GetTickCount64() + kSplashMilliseconds;
        if (!window.Create(instance)) return 1;
        splash.KeepUpUntil(splashEnd);
        window.LoadSettings();
        ShowWindow(window.Hwnd(), showCommand);
        UpdateWindow(window.Hwnd());
        // The splash goes only now: without a window manager, destroying a visible
        // window blocks for seconds under Wine, which would delay the main window.
    }
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));

    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    // Not the only loop that delivers the engine's characters: every message
    // box, common dialog, the folder chooser and the wait for the engine's
    // answers run one of their own, so reception may go on inside any call
    // that shows a window. The capture state machine settles its state before
    // it shows a box, and the boxes it raises while receiving come once.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window.Hwnd(), accelerators, &msg)) continue;
        // Keys work the main window's controls as in a dialog: Tab, Shift+Tab,
        // access keys, focus cues. Only keys: every engine character is a
        // message too, and needs no dialog handling.
        const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        if (key && IsDialogMessageW(window.Hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
