#pragma once
// The CCIR 476 seven-bit code of SITOR and NAVTEX: ITA2's letters, figures
// and shifts recast so that every valid code has four 1-bits and three
// 0-bits, a single wrong bit always showing, plus three signals ITA2 lacks
// (the phasing and idle signals α and β, and the repetition signal).
// Codes are written as on the usual tables, their bit 0 sent first; 1 is the
// B state, the mark. The characters themselves are ITA2's (see Ita2Reader),
// so both modes print a code alike.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zorbel::decoder {

inline constexpr int kCcirBits = 7;
inline constexpr std::uint8_t kCcirAlpha = 0x0F;
inline constexpr std::uint8_t kCcirBeta = 0x33;
inline constexpr std::uint8_t kCcirRepetition = 0x66;
inline constexpr std::uint8_t kCcirBlank = 0x6A;

// Whether the code has the four 1-bits of a valid one.
constexpr bool IsValidCcir476(std::uint8_t code) {
    int ones = 0;
    for (int bit = 0; bit < kCcirBits; ++bit) ones += (code >> bit) & 1;
    return code < 0x80 && ones == 4;
}

// The 35 valid codes, in rising order.
const std::array<std::uint8_t, 35>& ValidCcir476Codes();

// The CCIR 476 code for an ITA2 code (the blank included).
std::uint8_t Ccir476FromIta2(std::uint8_t ita2);
// The ITA2 code for a CCIR 476 code; nothing for α, β, the repetition
// signal and invalid codes.
std::optional<std::uint8_t> Ita2FromCcir476(std::uint8_t code);

// The text's codes as ITA2 sends it (see EncodeIta2), recast.
std::vector<std::uint8_t> EncodeCcir476(std::string_view text);

}  // namespace zorbel::decoder
