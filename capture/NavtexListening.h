#pragma once
// The engine hook as the capture uses it, with the NAVTEX reader listening
// in: every character the engine sends goes to the capture first, exactly as
// without it, and then, when it is an 8-bit character, to the reader. The
// end of reception is the end of the signal for the reader.

#include <cstdint>

#include "capture/NavtexReception.h"
#include "platform/EngineHook.h"

namespace zorbel {

class NavtexListening : public platform::EngineHook, private platform::EngineCharacterSink {
public:
    NavtexListening(platform::EngineHook& hook, NavtexReception& navtex) : hook_(hook), navtex_(navtex) {}

    bool HookEngineWindow(platform::EngineCharacterSink& capture) override;
    void UnhookEngineWindow() override;

private:
    void TakeEngineCharacter(std::int32_t code) override;
    void CheckEngine() override;

    platform::EngineHook& hook_;
    NavtexReception& navtex_;
    platform::EngineCharacterSink* capture_ = nullptr;  // while hooked
};

}  // namespace zorbel
