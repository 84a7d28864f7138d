#pragma once
// Collects the three answers to the engine's value query. Repeats overwrite
// the values but count only once; any other code is not an answer.

#include <cstdint>

#include "engine/EngineValues.h"

namespace zorbel::engine {

struct EngineAnswers {
    EngineValues values;  // values not answered this time keep their last contents
    int answered = 0;     // how many of the three answers arrived
    bool notchPairArrived = false;
};

class EngineAnswerCollector {
public:
    explicit EngineAnswerCollector(EngineValues& values) : values_(values) {}

    // True when the code was one of the three answers.
    bool Take(std::int32_t code, std::int32_t value);

    bool Complete() const { return answered_ == 3; }
    // The values, how many answers arrived and whether the notch pair was among them.
    EngineAnswers Result() const { return {values_, answered_, notchArrived_}; }

private:
    void Count(bool& arrived);

    EngineValues& values_;
    bool valueAArrived_ = false;
    bool valueBArrived_ = false;
    bool notchArrived_ = false;
    int answered_ = 0;
};

}  // namespace zorbel::engine
