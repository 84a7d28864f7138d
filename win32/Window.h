#pragma once
// A window of a class of our own, with the object behind its handle. The one
// window procedure ties the object to the window at WM_NCCREATE, so that every
// message from the very first reaches HandleMessage, and lets no C++ exception
// out into the frames of Windows. The object must outlive its window.

#include <windows.h>

namespace zorbel::win32 {

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Hwnd() const { return hwnd_; }

protected:
    // What CreateWindowExW takes, but for the class's procedure and the object.
    struct Creation {
        const wchar_t* className = nullptr;
        const wchar_t* title = L"";
        DWORD style = 0;
        DWORD extendedStyle = 0;
        int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
        HWND parent = nullptr;
        HMENU menuOrId = nullptr;
    };

    Window() = default;
    ~Window() = default;

    // Registers the class once a process with this procedure; the caller
    // fills in name, cursor, brush, icons and menu.
    static bool RegisterWindowClass(WNDCLASSEXW windowClass);
    bool CreateWindowOf(const Creation& creation);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace zorbel::win32
