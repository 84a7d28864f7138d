#pragma once
// Commands to the engine and the one blocking wait for its answers.

#include <cstdint>

#include "engine/EngineAnswerCollector.h"
#include "engine/EngineCodes.h"

namespace zorbel::platform {

class EngineChannel {
public:
    virtual ~EngineChannel() = default;
    // True when the command was posted to a live engine window.
    virtual bool PostEngineCommand(engine::EngineCommand code, std::int32_t value) = 0;
    // After QueryValues: waits, bounded, until the three answers arrived.
    virtual engine::EngineAnswers WaitForEngineValues() = 0;
};

}  // namespace zorbel::platform
