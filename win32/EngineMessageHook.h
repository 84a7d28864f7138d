#pragma once
// The engine's messages taken on the main window: while reception is on it
// subclasses the main window and hands each engine character code to the
// core's sink, whatever its value; and once a second it has the sink look
// whether the engine is still there, as an engine closed or crashed sends no word.

#include <windows.h>

#include "platform/EngineHook.h"
#include "win32/EngineLink.h"

namespace zorbel::win32 {

class EngineMessageHook : public platform::EngineHook {
public:
    explicit EngineMessageHook(const EngineLink& link) : link_(link) {}
    EngineMessageHook(const EngineMessageHook&) = delete;
    EngineMessageHook& operator=(const EngineMessageHook&) = delete;
    ~EngineMessageHook() override;

    // Installs the procedure on the link's main window; false if it refuses.
    bool HookEngineWindow(platform::EngineCharacterSink& sink) override;
    void UnhookEngineWindow() override;

private:
    static LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR subclassId, DWORD_PTR self);

    const EngineLink& link_;
    platform::EngineCharacterSink* sink_ = nullptr;  // while hooked
    HWND hookedWindow_ = nullptr;
};

}  // namespace zorbel::win32
