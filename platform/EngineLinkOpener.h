#pragma once
// Opening the link to the engine program: the registered message, the shared
// block, the engine started and its window found; and whether it went since.

namespace zorbel::platform {

enum class LinkOutcome {
    NoBlock,      // the shared block could not be created
    NoView,       // the shared block could not be mapped, or is too small
    EngineMissing,
    NoHandshake,  // the engine started, but the handshake found no engine window
    Linked,
};

class EngineLinkOpener {
public:
    virtual ~EngineLinkOpener() = default;
    // Stops at the first step that fails; shows nothing itself.
    virtual LinkOutcome OpenEngineLink() = 0;
    // The engine that had the handshake has no window any more and no other
    // engine window has come: it was closed, or its program ended.
    virtual bool EngineGone() = 0;
};

// The engine window put back beside the main window, as the main window's state has it.
class EngineWindowPlace {
public:
    virtual ~EngineWindowPlace() = default;
    virtual void PlaceEngineWindow() = 0;
};

}  // namespace zorbel::platform
