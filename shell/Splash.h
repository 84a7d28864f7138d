#pragma once
// VorBild, the splash window: product name, version and logo at the top left
// of the screen while the main window loads.

#include <windows.h>

#include <array>

#include "win32/Handles.h"

namespace zorbel::shell {

class Splash {
public:
    Splash() = default;
    Splash(const Splash&) = delete;
    Splash& operator=(const Splash&) = delete;
    ~Splash();

    // Shows the splash and paints it at once, before the main window's load begins.
    bool Show(HINSTANCE instance);
    // Handles messages until the tick count (GetTickCount64) reaches endTick; sleeps between them.
    void KeepUpUntil(ULONGLONG endTick);

private:
    void CreateContents(HINSTANCE instance);

    HWND hwnd_ = nullptr;
    std::array<win32::FontHandle, 4> fonts_;
    HICON logo_ = nullptr;  // shared icon from the resources, not destroyed
};

}  // namespace zorbel::shell
