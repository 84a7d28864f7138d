#pragma once
// Lets a control object see the messages of its own window, so that its
// timers and deferred work need no routing through the parent.

#include <windows.h>

#include <functional>
#include <optional>

namespace zorbel::win32 {

class WindowSubclass {
public:
    // A handled message returns its result; nullopt passes it on to the control.
    using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;

    WindowSubclass() = default;
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    ~WindowSubclass();

    void Attach(HWND window, Handler handler);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId,
                                 DWORD_PTR self);
    void Detach();

    HWND window_ = nullptr;
    Handler handler_;
};

}  // namespace zorbel::win32
