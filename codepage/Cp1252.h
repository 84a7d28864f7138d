#pragma once
// Code page 1252, the 8-bit text of the word lists and received bytes, to and
// from UTF-16. Every byte has exactly one UTF-16 unit, so bytes survive a
// round trip; the five codes without a character map to U+0081, U+008D,
// U+008F, U+0090 and U+009D as Windows maps them.

#include <string>
#include <string_view>

namespace zorbel {

std::wstring Cp1252ToWide(std::string_view cp1252Text);

// Characters outside the code page become '?'.
std::string WideToCp1252(std::wstring_view wideText);

}  // namespace zorbel
