#pragma once
// Commands to the engine and the one blocking wait for its answers.

#include <cstdint>

#include "engine/EngineCodes.h"
#include "engine/EngineValues.h"

namespace zorbel::platform {

struct EngineAnswers {
    engine::EngineValues values;  // values not answered this time keep their last contents
    int answered = 0;             // how many of the three answers arrived
    bool notchPairArrived = false;
};

class EngineChannel {
public:
    virtual ~EngineChannel() = default;
    // True when the command was posted to a live engine window.
    virtual bool PostEngineCommand(engine::EngineCommand code, std::int32_t value) = 0;
    // After QueryValues: waits, bounded, until the three answers arrived.
    virtual EngineAnswers WaitForEngineValues() = 0;
};

}  // namespace zorbel::platform
