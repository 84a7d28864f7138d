#pragma once
// The engine's messages taken on the main window: while reception is on it
// subclasses the main window and hands each engine character code on,
// whatever its value; and once a second it has the core look whether the
// engine is still there, as an engine closed or crashed sends no word.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/EngineHook.h"
#include "win32/EngineLink.h"

namespace zorbel::win32 {

class EngineMessageHook : public platform::EngineHook {
public:
    using CharacterTaker = std::function<void(std::int32_t code)>;
    using EngineCheck = std::function<void()>;

    EngineMessageHook(const EngineLink& link, CharacterTaker takeCharacter, EngineCheck checkEngine)
        : link_(link), takeCharacter_(std::move(takeCharacter)), checkEngine_(std::move(checkEngine)) {}
    EngineMessageHook(const EngineMessageHook&) = delete;
    EngineMessageHook& operator=(const EngineMessageHook&) = delete;
    ~EngineMessageHook() override;

    // Installs the procedure on the link's main window; false if it refuses.
    bool HookEngineWindow() override;
    void UnhookEngineWindow() override;

private:
    static LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR subclassId, DWORD_PTR self);

    const EngineLink& link_;
    CharacterTaker takeCharacter_;
    EngineCheck checkEngine_;
    HWND hookedWindow_ = nullptr;
};

}  // namespace zorbel::win32
