#include "codepage/Cp1252.h"

#include <algorithm>
#include <array>

namespace zorbel {
namespace {

// 0x80..0x9F; every other byte is the code point of the same number.
constexpr std::array<wchar_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

wchar_t ByteToWide(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : static_cast<wchar_t>(byte);
}

char WideToByte(wchar_t unit) {
    const auto it = std::find(kHighControls.begin(), kHighControls.end(), unit);
    if (it != kHighControls.end()) return static_cast<char>(0x80 + (it - kHighControls.begin()));
    const bool sameNumber = unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF);
    return sameNumber ? static_cast<char>(unit) : '?';
}

}  // namespace

std::wstring Cp1252ToWide(std::string_view cp1252Text) {
    std::wstring wide(cp1252Text.size(), L'\0');
    std::transform(cp1252Text.begin(), cp1252Text.end(), wide.begin(),
                   [](char byte) { return ByteToWide(static_cast<unsigned char>(byte)); });
    return wide;
}

std::string WideToCp1252(std::wstring_view wideText) {
    std::string text(wideText.size(), '\0');
    std::transform(wideText.begin(), wideText.end(), text.begin(), WideToByte);
    return text;
}

}  // namespace zorbel
