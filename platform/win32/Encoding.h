#pragma once
// Conversions between the program's byte texts and the UTF-16 of the W API.
// UI texts are UTF-8; received and file texts are 8-bit ANSI (the system's
// ANSI code page, 1252 in a German setting).

#include <string>
#include <string_view>

namespace zorbel::win32 {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Maps every byte to exactly one UTF-16 unit, so that lengths survive. A NUL
// becomes U+2400 (the visible symbol for NUL): the W API takes NUL as the
// end of a text and would cut the rest off.
std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);

}  // namespace zorbel::win32
