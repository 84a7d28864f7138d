#pragma once
// The engine's side of MMTTY's wire contract, shared by our engine program
// and the stand-in: the announcement of the engine window, what every engine
// does with the program's commands (handshake, docking, showing, hiding,
// ending) and the answers posted back to the program's main window.

#include <windows.h>

#include <cstdint>
#include <string>

#include "engine/EngineCodes.h"

namespace zorbel::engine_side {

class EngineSideLink {
public:
    // mainWindow: from "-h<HEX>"; 0 until the handshake names it.
    explicit EngineSideLink(HWND mainWindow);

    UINT Message() const { return message_; }
    HWND MainWindow() const { return mainWindow_; }

    // The engine window stands: tells the program (0x8000 with its handle, then 0x8002).
    void Announce(HWND engineWindow);

    // Does the part of a command that every engine does the same way and
    // returns the command, so that the engine adds its own part.
    engine::EngineCommand Obey(WPARAM code, LPARAM value);

    // False when the program's queue refused the post (full, or no program).
    bool Post(engine::EngineAnswer code, LPARAM value) const;
    // The answer to the value query: mark, space and the notch pair.
    void AnswerValues(std::int32_t markHz, std::int32_t spaceHz, std::int32_t notchPair) const;

    // The title the program left in the shared block, or "" when there is no block.
    static std::string SharedBlockTitle();

private:
    UINT message_;
    HWND mainWindow_;
    HWND engineWindow_ = nullptr;
};

}  // namespace zorbel::engine_side
