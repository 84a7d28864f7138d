#include "platform/win32/EngineWindowHook.h"

#include <commctrl.h>

#include "platform/win32/CallbackBoundary.h"

namespace zorbel::win32 {
namespace {
constexpr UINT_PTR kEngineSubclassId = 0x4D4D;  // "MM"
}  // namespace

EngineWindowHook::~EngineWindowHook() { UnhookEngineWindow(); }

bool EngineWindowHook::HookEngineWindow() {
    const HWND window = link_.MainWindow();
    if (!SetWindowSubclass(window, &EngineWindowHook::EngineWindowProc, kEngineSubclassId,
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hookedWindow_ = window;
    return true;
}

void EngineWindowHook::UnhookEngineWindow() {
    if (!hookedWindow_) return;
    RemoveWindowSubclass(hookedWindow_, &EngineWindowHook::EngineWindowProc, kEngineSubclassId);
    hookedWindow_ = nullptr;
}

LRESULT CALLBACK EngineWindowHook::EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                    UINT_PTR, DWORD_PTR self) {
    auto* hook = reinterpret_cast<EngineWindowHook*>(self);
    // Only the engine's own message carries characters; a foreign message
    // that happens to have the same wParam goes its usual way.
    if (!hook->link_.IsEngineCharacter(message, wParam)) return DefSubclassProc(window, message, wParam, lParam);
    // The taker may end reception and so remove this procedure; the subclass
    // machinery allows that from inside it.
    return CatchAtCallbackBoundary<LRESULT>(0, [&] {
        hook->takeCharacter_(static_cast<std::int32_t>(lParam));
        return LRESULT{0};
    });
}

}  // namespace zorbel::win32
