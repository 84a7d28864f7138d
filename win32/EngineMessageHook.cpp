#include "win32/EngineMessageHook.h"

#include <commctrl.h>

#include "win32/CallbackBoundary.h"

namespace zorbel::win32 {
namespace {
constexpr UINT_PTR kEngineSubclassId = 0x4D4D;  // "MM"
constexpr UINT_PTR kEngineCheckTimerId = 0x4D4D;
constexpr UINT kEngineCheckPeriodMs = 1000;
}  // namespace

EngineMessageHook::~EngineMessageHook() { UnhookEngineWindow(); }

bool EngineMessageHook::HookEngineWindow(platform::EngineCharacterSink& sink) {
    const HWND window = link_.MainWindow();
    if (!SetWindowSubclass(window, &EngineMessageHook::EngineWindowProc, kEngineSubclassId,
                           reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hookedWindow_ = window;
    sink_ = &sink;
    SetTimer(window, kEngineCheckTimerId, kEngineCheckPeriodMs, nullptr);
    return true;
}

void EngineMessageHook::UnhookEngineWindow() {
    if (!hookedWindow_) return;
    KillTimer(hookedWindow_, kEngineCheckTimerId);
    RemoveWindowSubclass(hookedWindow_, &EngineMessageHook::EngineWindowProc, kEngineSubclassId);
    hookedWindow_ = nullptr;
    sink_ = nullptr;
}

LRESULT CALLBACK EngineMessageHook::EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                    UINT_PTR, DWORD_PTR self) {
    auto* hook = reinterpret_cast<EngineMessageHook*>(self);
    // Both may end reception and so remove this procedure; the subclass
    // machinery allows that from inside it.
    if (message == WM_TIMER && wParam == kEngineCheckTimerId) {
        return CatchAtCallbackBoundary<LRESULT>(0, [&] {
            hook->sink_->CheckEngine();
            return LRESULT{0};
        });
    }
    // Only the engine's own message carries characters; a foreign message
    // that happens to have the same wParam goes its usual way.
    if (!hook->link_.IsEngineCharacter(message, wParam)) return DefSubclassProc(window, message, wParam, lParam);
    return CatchAtCallbackBoundary<LRESULT>(0, [&] {
        hook->sink_->TakeEngineCharacter(static_cast<std::int32_t>(lParam));
        return LRESULT{0};
    });
}

}  // namespace zorbel::win32
