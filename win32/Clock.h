#pragma once
// The computer's clock.

#include "platform/Clock.h"

namespace zorbel::win32 {

class SystemClock : public platform::Clock {
public:
    platform::DateTime LocalNow() const override;
    platform::DateTime UtcNow() const override;
};

}  // namespace zorbel::win32
