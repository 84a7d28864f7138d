#pragma once
// How opening the engine link ended, and what the user sees of it.

#include "platform/Dialogs.h"
#include "platform/StatusPanels.h"

namespace zorbel {

enum class LinkOutcome {
    NoBlock,      // the shared block could not be created
    NoView,       // the shared block could not be mapped, or is too small
    EngineMissing,
    NoHandshake,  // the engine started, but the handshake found no engine window
    Linked,
};

// Shows the outcome: a "Katastrophaler Fehler" box for a shared block that
// failed, else the engine status in panel 1. True when the load goes on to
// the linked caption and the quiet memory display, that is whenever the
// engine program was found.
bool ShowLinkOutcome(LinkOutcome outcome, platform::StatusPanels& panels, platform::Dialogs& dialogs);

}  // namespace zorbel
