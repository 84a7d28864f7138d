#pragma once
// Installs and removes the handling of the engine's messages on the main
// window. The capture state machine keeps the two calls strictly
// alternating; while installed, the handling gives every engine character
// code to the sink given at installing, and has it look from time to time
// whether the engine is still there. Installing may fail; then nothing is
// installed.

#include <cstdint>

namespace zorbel::platform {

// Where the engine's messages go while reception is on.
class EngineCharacterSink {
public:
    virtual ~EngineCharacterSink() = default;
    // One code from the engine's character message, whatever its value.
    virtual void TakeEngineCharacter(std::int32_t code) = 0;
    // About once a second: an engine closed or crashed sends no word.
    virtual void CheckEngine() = 0;
};

class EngineHook {
public:
    virtual ~EngineHook() = default;
    virtual bool HookEngineWindow(EngineCharacterSink& sink) = 0;
    virtual void UnhookEngineWindow() = 0;
};

}  // namespace zorbel::platform
