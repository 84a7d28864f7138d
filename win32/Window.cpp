#include "win32/Window.h"

#include "win32/CallbackBoundary.h"

namespace zorbel::win32 {

bool Window::RegisterWindowClass(WNDCLASSEXW windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Window::Procedure;
    if (!windowClass.hInstance) windowClass.hInstance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) return true;
    return RegisterClassExW(&windowClass) != 0;
}

bool Window::CreateWindowOf(const Creation& creation) {
    // Through the base: with several bases, `this` of the derived class may lie elsewhere.
    Window* self = this;
    CreateWindowExW(creation.extendedStyle, creation.className, creation.title, creation.style, creation.x,
                    creation.y, creation.width, creation.height, creation.parent, creation.menuOrId,
                    GetModuleHandleW(nullptr), self);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result =
        CatchAtCallbackBoundary<LRESULT>(0, [&] { return self->HandleMessage(message, wParam, lParam); });
    // The handle is gone after this message: the object no longer stands for a window.
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace zorbel::win32
