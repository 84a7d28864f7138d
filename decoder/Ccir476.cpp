#include "decoder/Ccir476.h"

#include "decoder/Ita2.h"

namespace zorbel::decoder {
namespace {

// Index = ITA2 code (its first bit sent as bit 0), as decoder/Ita2 counts:
// blank, E, LF, A, space, S, I, U, CR, D, R, J, N, F, C, K, T, Z, L, W, H,
// Y, P, Q, O, B, G, figures, M, X, V, letters.
constexpr std::array<std::uint8_t, 32> kFromIta2 = {
    0x6A, 0x56, 0x6C, 0x47, 0x5C, 0x4B, 0x4D, 0x4E, 0x78, 0x53, 0x55, 0x17, 0x59, 0x1B, 0x1D, 0x1E,
    0x74, 0x63, 0x65, 0x27, 0x69, 0x2B, 0x2D, 0x2E, 0x71, 0x72, 0x35, 0x36, 0x39, 0x3A, 0x3C, 0x5A};

constexpr std::array<std::uint8_t, 35> MakeValidCodes() {
    std::array<std::uint8_t, 35> codes{};
    std::size_t count = 0;
    for (unsigned code = 0; code < 0x80; ++code) {
        if (IsValidCcir476(static_cast<std::uint8_t>(code))) codes[count++] = static_cast<std::uint8_t>(code);
    }
    return codes;
}

// Index = CCIR 476 code; 0xFF where it carries no ITA2 code.
constexpr std::array<std::uint8_t, 128> MakeToIta2() {
    std::array<std::uint8_t, 128> table{};
    for (std::uint8_t& entry : table) entry = 0xFF;
    for (std::uint8_t ita2 = 0; ita2 < 32; ++ita2) table[kFromIta2[ita2]] = ita2;
    return table;
}

constexpr std::array<std::uint8_t, 35> kValidCodes = MakeValidCodes();
constexpr std::array<std::uint8_t, 128> kToIta2 = MakeToIta2();

}  // namespace

const std::array<std::uint8_t, 35>& ValidCcir476Codes() { return kValidCodes; }

std::uint8_t Ccir476FromIta2(std::uint8_t ita2) { return kFromIta2[ita2 & 0x1F]; }

std::optional<std::uint8_t> Ita2FromCcir476(std::uint8_t code) {
    if (code >= 0x80 || kToIta2[code] == 0xFF) return std::nullopt;
    return kToIta2[code];
}

std::vector<std::uint8_t> EncodeCcir476(std::string_view text) {
    std::vector<std::uint8_t> codes = EncodeIta2(text);
    for (std::uint8_t& code : codes) code = Ccir476FromIta2(code);
    return codes;
}

}  // namespace zorbel::decoder
