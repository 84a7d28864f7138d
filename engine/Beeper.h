#pragma once
// The system's default beep.

namespace zorbel::engine {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

}  // namespace zorbel::engine
