#include "win32/WindowSubclass.h"

#include <commctrl.h>

#include "win32/CallbackBoundary.h"

namespace zorbel::win32 {

WindowSubclass::~WindowSubclass() { Detach(); }

void WindowSubclass::Attach(HWND window, Handler handler) {
    window_ = window;
    handler_ = std::move(handler);
    // The object's address tells the subclasses of different objects on one window apart.
    SetWindowSubclass(window_, &WindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this),
                      reinterpret_cast<DWORD_PTR>(this));
}

void WindowSubclass::Detach() {
    if (!window_) return;
    RemoveWindowSubclass(window_, &WindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this));
    window_ = nullptr;
}

LRESULT CALLBACK WindowSubclass::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self) {
    auto* subclass = reinterpret_cast<WindowSubclass*>(self);
    // The window goes before its object: forget it, so the destructor touches no stale handle.
    if (message == WM_NCDESTROY) {
        subclass->Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    const auto result = CatchAtCallbackBoundary<std::optional<LRESULT>>(
        LRESULT{0}, [&] { return subclass->handler_(message, wParam, lParam); });
    if (result) return *result;
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace zorbel::win32
