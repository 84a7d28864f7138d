#include "engine/EngineValues.h"

namespace zorbel::engine {
namespace {

std::int32_t Compose(std::int32_t high, std::int32_t low) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(high) << 16) +
                                     static_cast<std::uint32_t>(low));
}

}  // namespace

NotchPair UnpackNotchPair(std::int32_t value) {
    const std::int32_t low = value & 0xFFFF;
    const std::int32_t high = value / 65536;  // truncates toward zero
    return {high != 0 ? high : low, low};
}

std::int32_t PackNotchPair(std::int32_t keptNotch, std::int32_t enteredNotch) {
    return Compose(keptNotch & 0xFFFF, enteredNotch & 0xFFFF);
}

std::int32_t PackDockPosition(std::int32_t x, std::int32_t y) { return Compose(y, x); }

}  // namespace zorbel::engine
