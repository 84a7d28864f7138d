#include "decoder/FecTransmission.h"

#include "decoder/Ccir476.h"

namespace zorbel::decoder {
namespace {

// The end of emission: so many α in DX after the last character.
constexpr int kEndAlphas = 3;
// RX repeats DX this many pairs of slots later.
constexpr std::size_t kRxDelayPairs = (kRxDelaySlots - 1) / 2;

}  // namespace

std::vector<std::uint8_t> FecSlots(std::string_view text, int phasingPairs) {
    std::vector<std::uint8_t> dx(static_cast<std::size_t>(phasingPairs), kCcirRepetition);
    const std::vector<std::uint8_t> traffic = EncodeCcir476(text);
    dx.insert(dx.end(), traffic.begin(), traffic.end());
    dx.insert(dx.end(), kEndAlphas, kCcirAlpha);
    std::vector<std::uint8_t> slots;
    // Until RX has repeated the last α too.
    for (std::size_t pair = 0; pair < dx.size() + kRxDelayPairs; ++pair) {
        slots.push_back(pair < dx.size() ? dx[pair] : kCcirAlpha);
        const bool repeats = pair >= kRxDelayPairs && dx[pair - kRxDelayPairs] != kCcirRepetition;
        slots.push_back(repeats ? dx[pair - kRxDelayPairs] : kCcirAlpha);
    }
    return slots;
}

}  // namespace zorbel::decoder
