#include "engine/EngineAnswerCollector.h"

#include "engine/EngineCodes.h"

namespace zorbel::engine {

bool EngineAnswerCollector::Take(std::int32_t code, std::int32_t value) {
    switch (static_cast<EngineAnswer>(code)) {
    case EngineAnswer::ValueA:
        values_.valueA = value;
        Count(valueAArrived_);
        return true;
    case EngineAnswer::ValueB:
        values_.valueB = value;
        Count(valueBArrived_);
        return true;
    case EngineAnswer::NotchPair: {
        const NotchPair pair = UnpackNotchPair(value);
        values_.notchHigh = pair.high;
        values_.notchLow = pair.low;
        Count(notchArrived_);
        return true;
    }
    default:
        return false;
    }
}

void EngineAnswerCollector::Count(bool& arrived) {
    if (arrived) return;
    arrived = true;
    ++answered_;
}

}  // namespace zorbel::engine
