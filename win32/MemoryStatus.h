#pragma once
// The computer's memory figures from GlobalMemoryStatusEx.

#include "platform/MemoryStatus.h"

namespace zorbel::win32 {

class SystemMemoryStatus : public platform::MemoryStatus {
public:
    platform::MemoryFigures Query() const override;
};

}  // namespace zorbel::win32
