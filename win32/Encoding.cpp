#include "win32/Encoding.h"

#include <windows.h>

#include <algorithm>

#include "codepage/Cp1252.h"

namespace zorbel::win32 {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), wideSize);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int byteSize = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(byteSize), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), byteSize, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string WideToUtf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

std::wstring Cp1252ToDisplayText(std::string_view cp1252Text) {
    std::wstring wide = Cp1252ToWide(cp1252Text);
    std::replace(wide.begin(), wide.end(), L'\0', kNulSymbol);
    return wide;
}

}  // namespace zorbel::win32
