#include "weather/Cp1252.h"

#include <cstdint>

namespace weather {
namespace {

// 0x80..0x9F; the five bytes the code page leaves free become U+FFFD.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendUtf8(std::string& utf8Text, char16_t code) {
    if (code < 0x80) {
        utf8Text += static_cast<char>(code);
    } else if (code < 0x800) {
        utf8Text += static_cast<char>(0xC0 | (code >> 6));
        utf8Text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        utf8Text += static_cast<char>(0xE0 | (code >> 12));
        utf8Text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8Text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string Utf8FromCp1252(std::string_view cp1252Text) {
    std::string utf8Text;
    utf8Text.reserve(cp1252Text.size());
    for (const char c : cp1252Text) {
        const auto byte = static_cast<std::uint8_t>(c);
        AppendUtf8(utf8Text, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte});
    }
    return utf8Text;
}

}  // namespace weather
