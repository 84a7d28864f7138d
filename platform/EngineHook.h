#pragma once
// Installs and removes the engine window procedure on the main window. The
// capture state machine keeps the two calls strictly alternating; while
// installed, the procedure hands every engine character code to the core.
// Installing may fail (the window refuses the procedure); then nothing is installed.

namespace zorbel::platform {

class EngineHook {
public:
    virtual ~EngineHook() = default;
    virtual bool HookEngineWindow() = 0;
    virtual void UnhookEngineWindow() = 0;
};

}  // namespace zorbel::platform
