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
    window.LoadSettings();
    ShowWindow(window.Hwnd(), showCommand);
    UpdateWindow(window.Hwnd());

    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window.Hwnd(), accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
