#pragma once
// The link to the MMTTY engine: the registered message "MMTTY", the shared
// block, starting the engine and finding its window, the commands posted to
// it and the one blocking wait for its answers.

#include <windows.h>

#include <cstdint>

#include "engine/EngineChannel.h"
#include "platform/StatusPanels.h"
#include "platform/win32/EngineHandles.h"

namespace zorbel::win32 {

class EngineLink : public engine::EngineChannel {
public:
    EngineLink() = default;
    EngineLink(const EngineLink&) = delete;
    EngineLink& operator=(const EngineLink&) = delete;

    // Registers the message, prepares the shared block, starts the engine,
    // waits (bounded) for its window and posts the handshake. Shows the
    // "Katastrophaler Fehler" boxes and the engine status in panel 1. False
    // when the load event ends here (no block, or no engine program): then
    // the caller neither sets the caption nor runs the memory display.
    bool OpenEngineLink(HWND mainWindow, platform::StatusPanels& panels);

    bool PostEngineCommand(engine::EngineCommand code, std::int32_t value) override;
    engine::EngineAnswers WaitForEngineValues() override;

    // The program's end: release and end commands, pending events run after each.
    void CloseEngineLink();

    UINT EngineMessage() const { return engineMessage_; }
    HWND MainWindow() const { return mainWindow_; }
    // The message carries the engine's character code.
    bool IsEngineCharacter(UINT message, WPARAM wParam) const;

private:
    bool PrepareSharedBlock();
    bool StartEngine();
    HWND AwaitEngineWindow() const;
    HWND TakeAnnouncedEngineWindow() const;

    UINT engineMessage_ = 0;
    HWND mainWindow_ = nullptr;
    HWND engineWindow_ = nullptr;
    KernelHandle sharedMapping_;
    MappedView sharedView_;
    KernelHandle engineProcess_;
    engine::EngineValues values_;
};

}  // namespace zorbel::win32
