#pragma once
// SITOR-B (CCIR 476 mode B, forward error correction) as sent: two streams
// of characters interleaved slot by slot, DX in the even slots and RX in the
// odd ones. Each character goes out twice, in DX first and in RX five slots
// (350 ms at 100 Bd) later, so that a fade or a burst seldom takes both
// copies. A transmission opens with phasing, the repetition signal in DX
// and α in RX, and ends with three α in DX after the last character; RX
// carries α wherever it repeats the phasing.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zorbel::decoder {

// How many slots after its DX copy a character's RX copy comes.
inline constexpr int kRxDelaySlots = 5;

// The codes of a transmission of the text, slot by slot, opening with
// phasingPairs pairs of phasing signals.
std::vector<std::uint8_t> FecSlots(std::string_view text, int phasingPairs);

}  // namespace zorbel::decoder
