#pragma once
// The link to the MMTTY engine: the registered message "MMTTY", the shared
// block, starting the engine and finding its window, the commands posted to
// it and the one blocking wait for its answers.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/EngineChannel.h"
#include "platform/EngineLinkOpener.h"
#include "win32/Handles.h"

namespace zorbel::win32 {

using platform::LinkOutcome;

class EngineLink : public platform::EngineChannel, public platform::EngineLinkOpener {
public:
    EngineLink() = default;
    EngineLink(const EngineLink&) = delete;
    EngineLink& operator=(const EngineLink&) = delete;

    // The window that takes the engine's messages, before the link is opened.
    void Attach(HWND mainWindow) { mainWindow_ = mainWindow; }

    // Registers the message, prepares the shared block, starts the engine,
    // waits (bounded) for its window and posts the handshake; stops at the
    // first step that fails. Shows nothing itself.
    LinkOutcome OpenEngineLink() override;

    // The engine announced its window (0x8000) after the start: it becomes
    // the engine window and gets the handshake unless it had it. True when
    // the message was an announcement.
    bool TakeAnnouncement(UINT message, WPARAM wParam, LPARAM lParam);

    bool PostEngineCommand(engine::EngineCommand code, std::int32_t value) override;
    engine::EngineAnswers WaitForEngineValues() override;

    // The program's end: release and end commands, pending events run after each.
    void CloseEngineLink();

    bool EngineGone() override;

    UINT EngineMessage() const { return engineMessage_; }
    HWND MainWindow() const { return mainWindow_; }
    // The message carries the engine's character code.
    bool IsEngineCharacter(UINT message, WPARAM wParam) const;

private:
    // Nothing when the block is ready, else the failure.
    std::optional<LinkOutcome> PrepareSharedBlock();
    bool StartEngine();
    HWND AwaitEngineWindow() const;
    HWND TakeAnnouncedEngineWindow() const;
    bool PostHandshake();

    UINT engineMessage_ = 0;
    HWND mainWindow_ = nullptr;
    HWND engineWindow_ = nullptr;
    HWND handshakenWindow_ = nullptr;
    KernelHandle sharedMapping_;
    MappedView sharedView_;
    bool engineStarted_ = false;
    KernelHandle engineProcess_;  // only while its end means no engine window will come
    engine::EngineValues values_;
};

}  // namespace zorbel::win32
