#pragma once
// The engine window procedure: while reception is on it sits on the main
// window and hands each engine character to the receive path. A character
// the receive path refuses stops reception and is reported in a box.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/Dialogs.h"
#include "platform/EngineHook.h"
#include "platform/win32/EngineLink.h"

namespace zorbel::win32 {

class EngineWindowHook : public platform::EngineHook {
public:
    using CharacterReceiver = std::function<bool(std::int32_t code)>;
    using ReceptionStopper = std::function<void()>;

    EngineWindowHook(const EngineLink& link, platform::Dialogs& dialogs, CharacterReceiver receiveCharacter,
                     ReceptionStopper stopReception)
        : link_(link), dialogs_(dialogs), receiveCharacter_(std::move(receiveCharacter)),
          stopReception_(std::move(stopReception)) {}
    EngineWindowHook(const EngineWindowHook&) = delete;
    EngineWindowHook& operator=(const EngineWindowHook&) = delete;
    ~EngineWindowHook() override;

    // Installs the procedure on the link's main window.
    void HookEngineWindow() override;
    void UnhookEngineWindow() override;

private:
    static LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR subclassId, DWORD_PTR self);
    void OnEngineCharacter(LPARAM code);

    const EngineLink& link_;
    platform::Dialogs& dialogs_;
    CharacterReceiver receiveCharacter_;
    ReceptionStopper stopReception_;
    HWND hookedWindow_ = nullptr;
};

}  // namespace zorbel::win32
