#pragma once
// The engine window beside the main window: "Engine &unsichtbar" hides and
// shows it, and the main window's resize handler docks it underneath or
// hides it. The menu's check mark is the record of the state: checked means
// hidden.

#include <cstdint>

#include "platform/Dialogs.h"
#include "platform/EngineChannel.h"
#include "platform/MenuChecks.h"

namespace zorbel {

class EngineWindowControl {
public:
    EngineWindowControl(platform::EngineChannel& channel, platform::Dialogs& dialogs, platform::MenuChecks& checks)
        : channel_(channel), dialogs_(dialogs), checks_(checks) {}

    // The menu entry: toggles the check mark and sends the new state; a
    // failed post is reported and the check mark keeps its new state.
    void ToggleEngineWindow();

    // Before a window the engine window would cover (help, the chooser, a box
    // about the Rx text): hidden as by the menu entry, unless it is already.
    void HideFirst();

    // Main window minimised or maximised: hide the engine window; failures are not reported.
    void HideForResize();

    // Main window in normal state: width first, then the engine window's top
    // left corner at the main window's outer bottom left, all in pixels.
    void DockUnder(std::int32_t left, std::int32_t bottom, std::int32_t width);

    bool Hidden() const { return hidden_; }

private:
    void SetHidden(bool hidden);

    platform::EngineChannel& channel_;
    platform::Dialogs& dialogs_;
    platform::MenuChecks& checks_;
    bool hidden_ = false;
};

}  // namespace zorbel
