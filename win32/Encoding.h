#pragma once
// Conversions between the program's byte texts and the UTF-16 of the W API.
// UI texts are UTF-8; received and file texts are 8-bit code page 1252 on
// every system, whatever its own ANSI code page.

#include <string>
#include <string_view>

namespace zorbel::win32 {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Received text for the screen: every byte one UTF-16 unit, so that lengths
// survive. A NUL becomes U+2400 (the visible symbol for NUL): the W API takes
// NUL as the end of a text and would cut the rest off.
std::wstring Cp1252ToDisplayText(std::string_view cp1252Text);
inline constexpr wchar_t kNulSymbol = L'\x2400';

}  // namespace zorbel::win32
