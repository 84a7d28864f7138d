#pragma once
// ITA2 (Baudot-Murray) five-bit codes: turning text into codes with the
// letters and figures shifts, and codes back into 8-bit characters as MMTTY
// posts them (CR and LF as 13 and 10).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::decoder {

inline constexpr std::uint8_t kIta2Letters = 0x1F;
inline constexpr std::uint8_t kIta2Figures = 0x1B;
inline constexpr std::uint8_t kIta2Space = 0x04;
inline constexpr int kIta2Bits = 5;

// A code as read from the line, before it is decided: how much likelier
// mark is than space at each of its bits, as a natural logarithm, the first
// bit sent first. Their signs give the likeliest code.
struct SoftCode {
    std::array<float, kIta2Bits> markLikelihoods{};
};

// Codes for the text, starting with a letters shift; a figure after a space
// is shifted again, so receivers with and without unshift on space agree. Characters ITA2 cannot
// send are left out; lower case is sent as upper case.
std::vector<std::uint8_t> EncodeIta2(std::string_view text);

// Turns codes into characters, keeping the shift state between codes.
class Ita2Reader {
public:
    // unshiftOnSpace: a space returns to letters, as many stations expect.
    explicit Ita2Reader(bool unshiftOnSpace = false) : unshiftOnSpace_(unshiftOnSpace) {}

    // The character for one code, or nothing for shifts and the blank.
    std::optional<char> Read(std::uint8_t code);

private:
    bool unshiftOnSpace_;
    bool figures_ = false;
};

}  // namespace zorbel::decoder
