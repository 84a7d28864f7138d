#include "win32/BoxInFront.h"

#include "config/WindowPlacement.h"

namespace zorbel::win32 {
namespace {

// The innermost hook of this thread: a box may open over another box.
thread_local BoxPlacementHook* pendingBox = nullptr;

LRESULT CALLBACK PlaceOnActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && pendingBox && !pendingBox->Placed()) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (!pendingBox->Owner() || GetWindow(window, GW_OWNER) == pendingBox->Owner()) {
            pendingBox->MarkPlaced();
            BringBoxToFront(window, pendingBox->Owner());
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

ScreenArea AreaOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

void BringBoxToFront(HWND box, HWND owner) {
    const bool overOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(overOwner ? owner : box, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
    RECT own{}, over = monitor.rcWork;
    GetWindowRect(box, &own);
    if (overOwner) GetWindowRect(owner, &over);
    const WindowPlace place =
        PlaceBoxOver({own.right - own.left, own.bottom - own.top}, AreaOf(over), AreaOf(monitor.rcWork));
    // Topmost and back again: in front of every ordinary window, whichever process holds the foreground,
    // without staying above other programs' windows afterwards.
    SetWindowPos(box, HWND_TOPMOST, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(box, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

BoxPlacementHook::BoxPlacementHook(HWND owner)
    : owner_(owner), outer_(pendingBox),
      hook_(SetWindowsHookExW(WH_CBT, &PlaceOnActivation, nullptr, GetCurrentThreadId())) {
    pendingBox = this;
}

BoxPlacementHook::~BoxPlacementHook() {
    if (hook_) UnhookWindowsHookEx(hook_);
    pendingBox = outer_;
}

int ShowBoxInFront(HWND owner, const wchar_t* text, const wchar_t* title, UINT buttonsAndIcon) {
    const BoxPlacementHook placement(owner);
    return MessageBoxW(owner, text, title, buttonsAndIcon | MB_SETFOREGROUND);
}

}  // namespace zorbel::win32
