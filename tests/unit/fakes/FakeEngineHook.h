#pragma once
// Records hook and unhook calls in the call log.

#include "fakes/CallLog.h"
#include "platform/EngineHook.h"

namespace zorbel::fakes {

class FakeEngineHook : public platform::EngineHook {
public:
    explicit FakeEngineHook(CallLog& log) : log_(log) {}
    bool HookEngineWindow() override {
        log_.Add(installs ? "hook" : "hook failed");
        return installs;
    }
    void UnhookEngineWindow() override { log_.Add("unhook"); }

    bool installs = true;

private:
    CallLog& log_;
};

}  // namespace zorbel::fakes
