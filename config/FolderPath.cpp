#include "config/FolderPath.h"

#include <algorithm>

namespace zorbel {
namespace {

constexpr wchar_t kBackslash = L'\\';

wchar_t UpperLetter(wchar_t letter) {
    const auto code = static_cast<unsigned>(letter);
    const auto shifted = [letter](int by) { return static_cast<wchar_t>(letter - by); };
    if (code >= 'a' && code <= 'z') return shifted(0x20);
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7) return shifted(0x20);  // Latin-1, not the division sign
    if (code == 0xFF) return L'\u0178';
    // Latin Extended-A pairs capital/small, first at even codes, then from U+0139 at odd ones.
    if (code == 0x131) return L'I';  // dotless i
    if (code >= 0x100 && code <= 0x137 && code % 2 == 1) return shifted(1);
    if (code >= 0x139 && code <= 0x148 && code % 2 == 0) return shifted(1);
    if (code >= 0x14A && code <= 0x177 && code % 2 == 1) return shifted(1);
    if (code == 0x17A || code == 0x17C || code == 0x17E) return shifted(1);
    if (code == 0x3C2) return L'\u03A3';  // final sigma
    if (code >= 0x3B1 && code <= 0x3C9) return shifted(0x20);
    if (code >= 0x430 && code <= 0x44F) return shifted(0x20);
    if (code >= 0x450 && code <= 0x45F) return shifted(0x50);
    return letter;
}

}  // namespace

SplitPath SplitAtLastBackslash(std::wstring_view widePath) {
    const auto at = widePath.rfind(kBackslash);
    if (at == std::wstring_view::npos) return {std::wstring(widePath), {}};
    return {std::wstring(widePath.substr(0, at)), std::wstring(widePath.substr(at))};
}

std::wstring JoinFolder(std::wstring_view wideFolder, std::wstring_view name) {
    std::wstring path(wideFolder);
    if (path.empty() || path.back() != kBackslash) path += kBackslash;
    return path + std::wstring(name);
}

std::wstring UpperCase(std::wstring_view wideText) {
    std::wstring upper(wideText);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperLetter);
    return upper;
}

std::wstring_view TrimBlanks(std::wstring_view wideText) {
    const auto first = wideText.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return wideText.substr(first, wideText.find_last_not_of(L' ') - first + 1);
}

bool IsValidFolderName(std::wstring_view name) {
    if (name.empty() || name.back() == L'.' || name.back() == L' ' || IsReservedDeviceName(name)) return false;
    return std::none_of(name.begin(), name.end(), [](wchar_t unit) {
        return unit < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(unit) != std::wstring_view::npos;
    });
}

bool IsReservedDeviceName(std::wstring_view name) {
    // Windows looks at the part before the first dot, without its trailing blanks.
    std::wstring_view base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.remove_suffix(1);
    const std::wstring upper = UpperCase(base);
    for (const std::wstring_view device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
        if (upper == device) return true;
    if (upper.size() != 4 || !(upper.starts_with(L"COM") || upper.starts_with(L"LPT"))) return false;
    const wchar_t number = upper[3];
    return (number >= L'0' && number <= L'9') || number == L'\u00B9' || number == L'\u00B2' || number == L'\u00B3';
}

}  // namespace zorbel
