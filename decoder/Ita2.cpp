#include "decoder/Ita2.h"

#include <array>
#include <cctype>

namespace zorbel::decoder {
namespace {

// Index = code with the first bit sent as bit 0. Zero marks the blank and the
// shifts. The figures row follows ITA2; the positions ITA2 leaves to national
// use (D, F, G, H) carry the US teleprinter signs so that every sign survives
// a round trip. J in figures is the bell.
constexpr std::array<char, 32> kLetters = {
    0,   'E', '\n', 'A', ' ', 'S', 'I', 'U', '\r', 'D', 'R', 'J', 'N', 'F', 'C', 'K',
    'T', 'Z', 'L',  'W', 'H', 'Y', 'P', 'Q', 'O',  'B', 'G', 0,   'M', 'X', 'V', 0};
constexpr std::array<char, 32> kFigures = {
    0,   '3', '\n', '-', ' ', '\'', '8', '7', '\r', '$', '4', '\a', ',', '!', ':', '(',
    '5', '+', ')',  '2', '#', '6',  '0', '1', '9',  '?', '&', 0,    '.', '/', '=', 0};

// Where a character lives: its code and whether it needs figures; nothing if
// ITA2 cannot send it. Characters on both rows (space, CR, LF) need no shift.
struct Place {
    std::uint8_t code;
    enum class Row { Either, Letters, Figures } row;
};

std::optional<Place> Find(char character) {
    for (std::uint8_t code = 0; code < 32; ++code) {
        const bool onLetters = kLetters[code] == character;
        const bool onFigures = kFigures[code] == character;
        if (onLetters && onFigures) return Place{code, Place::Row::Either};
        if (onLetters) return Place{code, Place::Row::Letters};
        if (onFigures) return Place{code, Place::Row::Figures};
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::uint8_t> EncodeIta2(std::string_view text) {
    std::vector<std::uint8_t> codes{kIta2Letters};
    // After a space in figures the receiver may or may not have returned to
    // letters (unshift on space), so the next sign of either row is shifted.
    enum class Shift { Letters, Figures, Unknown } shift = Shift::Letters;
    for (const char raw : text) {
        const char character = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
        if (character == 0) continue;
        const std::optional<Place> place = Find(character);
        if (!place) continue;
        if (place->row == Place::Row::Letters && shift != Shift::Letters) {
            codes.push_back(kIta2Letters);
            shift = Shift::Letters;
        } else if (place->row == Place::Row::Figures && shift != Shift::Figures) {
            codes.push_back(kIta2Figures);
            shift = Shift::Figures;
        }
        codes.push_back(place->code);
        if (character == ' ' && shift == Shift::Figures) shift = Shift::Unknown;
    }
    return codes;
}

std::optional<char> Ita2Reader::Read(std::uint8_t code) {
    code &= 0x1F;
    if (code == kIta2Letters) {
        figures_ = false;
        return std::nullopt;
    }
    if (code == kIta2Figures) {
        figures_ = true;
        return std::nullopt;
    }
    const char character = figures_ ? kFigures[code] : kLetters[code];
    if (character == ' ' && unshiftOnSpace_) figures_ = false;
    if (character == 0) return std::nullopt;
    return character;
}

}  // namespace zorbel::decoder
