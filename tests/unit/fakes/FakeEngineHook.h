#pragma once
// Records hook and unhook calls in the call log.

#include "fakes/CallLog.h"
#include "platform/EngineHook.h"

namespace zorbel::fakes {

class FakeEngineHook : public platform::EngineHook {
public:
    explicit FakeEngineHook(CallLog& log) : log_(log) {}
    void HookEngineWindow() override { log_.Add("hook"); }
    void UnhookEngineWindow() override { log_.Add("unhook"); }

private:
    CallLog& log_;
};

}  // namespace zorbel::fakes
