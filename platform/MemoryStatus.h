#pragma once
// The computer's memory figures, in 64 bits so that large machines report true values.

#include <cstdint>

namespace zorbel::platform {

struct MemoryFigures {
    std::uint32_t loadPercent = 0;
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availableVirtual = 0;
};

class MemoryStatus {
public:
    virtual ~MemoryStatus() = default;
    virtual MemoryFigures Query() const = 0;
};

}  // namespace zorbel::platform
