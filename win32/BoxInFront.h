#pragma once
// Every box of ours (message boxes, the input box, the About box, the folder
// chooser) opens wholly on its owner's screen and in front of every ordinary
// window, the engine window docked under the main window included. That window
// belongs to another process: while that process holds the foreground, a box
// of ours that is merely activated stays behind it, and reception waits for
// an answer nobody sees.

#include <windows.h>

namespace zorbel::win32 {

// Centred over the owner (the work area when there is no visible owner),
// moved onto the work area, and raised above every window that is not topmost.
void BringBoxToFront(HWND box, HWND owner);

// While one lives, the next window of this thread that `owner` owns is placed
// by BringBoxToFront as it is activated: for boxes the system creates.
class BoxPlacementHook {
public:
    explicit BoxPlacementHook(HWND owner);
    ~BoxPlacementHook();
    BoxPlacementHook(const BoxPlacementHook&) = delete;
    BoxPlacementHook& operator=(const BoxPlacementHook&) = delete;

    HWND Owner() const { return owner_; }
    bool Placed() const { return placed_; }
    void MarkPlaced() { placed_ = true; }

private:
    HWND owner_;
    bool placed_ = false;
    BoxPlacementHook* outer_;
    HHOOK hook_;
};

// MessageBoxW, placed so and asking for the foreground.
int ShowBoxInFront(HWND owner, const wchar_t* text, const wchar_t* title, UINT buttonsAndIcon);

}  // namespace zorbel::win32
