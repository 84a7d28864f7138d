#pragma once
// The engine's messages taken on the main window: while reception is on, the
// main window's procedure offers every message here first, and each engine
// character code goes to the core's sink, whatever its value; once a second
// the sink looks whether the engine is still there, as an engine closed or
// crashed sends no word.

#include <windows.h>

#include <optional>

#include "platform/EngineHook.h"
#include "win32/EngineLink.h"

namespace zorbel::win32 {

class EngineMessageHook : public platform::EngineHook {
public:
    explicit EngineMessageHook(const EngineLink& link) : link_(link) {}
    EngineMessageHook(const EngineMessageHook&) = delete;
    EngineMessageHook& operator=(const EngineMessageHook&) = delete;
    ~EngineMessageHook() override;

    // Takes the engine's messages from now on; false if the check timer cannot be set.
    bool HookEngineWindow(platform::EngineCharacterSink& sink) override;
    void UnhookEngineWindow() override;

    // A message to the main window, offered before its own handling: the
    // answer when it was the engine's (or the check's) and has been taken.
    std::optional<LRESULT> TakeMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    const EngineLink& link_;
    platform::EngineCharacterSink* sink_ = nullptr;  // while hooked
    HWND hookedWindow_ = nullptr;
};

}  // namespace zorbel::win32
