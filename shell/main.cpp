// Program entry: the main window and the message loop.

#include <windows.h>
#include <commctrl.h>

#include "shell/MainWindow.h"
#include "shell/resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    zorbel::shell::MainWindow window;
    if (!window.Create(instance)) return 1;
    ShowWindow(window.Hwnd(), showCommand);
    UpdateWindow(window.Hwnd());

    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
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
