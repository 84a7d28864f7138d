#pragma once
// The engine program as reception needs it: whether the engine linked before
// has gone without a word, and starting it again as at start-up.

namespace zorbel::platform {

class EngineProgram {
public:
    virtual ~EngineProgram() = default;
    // The engine linked before has no window any more: it was closed, or its program ended.
    virtual bool EngineGone() = 0;
    // Starts the engine and links to it as at start-up, showing how that went; true when linked.
    virtual bool StartEngineAgain() = 0;
};

}  // namespace zorbel::platform
