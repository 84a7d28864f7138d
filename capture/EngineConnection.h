#pragma once
// The link to the engine program, at start-up and again when reception starts
// after the engine went away, and what the user sees of it.

#include "capture/EngineWindowControl.h"
#include "config/MemoryDisplay.h"
#include "platform/Dialogs.h"
#include "platform/EngineLinkOpener.h"
#include "platform/EngineProgram.h"
#include "platform/StatusPanels.h"
#include "platform/ThemeControls.h"

namespace zorbel {

using platform::LinkOutcome;

struct EngineConnectionParts {
    platform::EngineLinkOpener& link;
    platform::StatusPanels& panels;
    platform::Dialogs& dialogs;
    platform::ThemeControls& window;
    MemoryDisplay& memory;
    EngineWindowControl& engineWindow;
    platform::EngineWindowPlace& engineWindowPlace;
};

class EngineConnection : public platform::EngineProgram {
public:
    explicit EngineConnection(const EngineConnectionParts& parts) : parts_(parts) {}

    // Opens the link and shows the outcome: a "Katastrophaler Fehler" box for
    // a shared block that failed, else the engine status in panel 1. Whenever
    // the engine program was found, the caption says so and the memory
    // display shows quietly; without it the window keeps its design caption
    // and the memory display waits for the first capture switch.
    LinkOutcome Open();

    bool EngineGone() override { return parts_.link.EngineGone(); }
    // The new engine window takes the old one's place: hidden as the menu says, or docked.
    bool StartEngineAgain() override;

private:
    // True when the program goes on as linked.
    bool ShowOutcome(LinkOutcome outcome);

    EngineConnectionParts parts_;
};

}  // namespace zorbel
