#include "win32/EngineMessageHook.h"

namespace zorbel::win32 {
namespace {
constexpr UINT_PTR kEngineCheckTimerId = 0x4D4D;  // "MM"
constexpr UINT kEngineCheckPeriodMs = 1000;
}  // namespace

EngineMessageHook::~EngineMessageHook() { UnhookEngineWindow(); }

// Not a comctl32 subclass of the main window: that looks its data up with
// GetProp on every message the window gets, twice (its own procedure and
// DefSubclassProc), and under Wine each lookup is a round trip to wineserver.
// At thousands of engine characters a second those two trips cost more than
// the message itself.
bool EngineMessageHook::HookEngineWindow(platform::EngineCharacterSink& sink) {
    const HWND window = link_.MainWindow();
    if (!SetTimer(window, kEngineCheckTimerId, kEngineCheckPeriodMs, nullptr)) return false;
    hookedWindow_ = window;
    sink_ = &sink;
    return true;
}

void EngineMessageHook::UnhookEngineWindow() {
    if (!hookedWindow_) return;
    KillTimer(hookedWindow_, kEngineCheckTimerId);
    hookedWindow_ = nullptr;
    sink_ = nullptr;
}

std::optional<LRESULT> EngineMessageHook::TakeMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Both may end reception and so unhook; nothing here is used after the call.
    if (!sink_) return std::nullopt;
    if (message == WM_TIMER && wParam == kEngineCheckTimerId) {
        sink_->CheckEngine();
        return 0;
    }
    // Only the engine's own message carries characters; a foreign message
    // that happens to have the same wParam goes its usual way.
    if (!link_.IsEngineCharacter(message, wParam)) return std::nullopt;
    sink_->TakeEngineCharacter(static_cast<std::int32_t>(lParam));
    return 0;
}

}  // namespace zorbel::win32
