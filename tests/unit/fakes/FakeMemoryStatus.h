#pragma once
// Memory figures as the test sets them.

#include "platform/MemoryStatus.h"

namespace zorbel::fakes {

class FakeMemoryStatus : public platform::MemoryStatus {
public:
    platform::MemoryFigures Query() const override { return figures; }
    platform::MemoryFigures figures;
};

}  // namespace zorbel::fakes
