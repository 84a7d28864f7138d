#include "config/SettingsText.h"

#include <algorithm>
#include <cmath>

#include "config/FolderPath.h"

namespace zorbel {
namespace {

constexpr double kLargestTwips = 1e8;  // far beyond any screen, far below int overflow
constexpr double kSmallestFractionDigit = 1e-12;

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view word) {
    const auto lower = [](wchar_t unit) { return unit >= L'A' && unit <= L'Z' ? unit + (L'a' - L'A') : unit; };
    return std::equal(text.begin(), text.end(), word.begin(), word.end(),
                      [&lower](wchar_t a, wchar_t b) { return lower(a) == lower(b); });
}

bool IsDigit(wchar_t unit) { return unit >= L'0' && unit <= L'9'; }

// Sign, digits, and at most one decimal point or comma; nothing for any other text.
std::optional<double> ParseDecimal(std::wstring_view text) {
    text = TrimBlanks(text);
    const bool negative = !text.empty() && text.front() == L'-';
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) text.remove_prefix(1);
    double value = 0;
    bool inFraction = false;
    double fractionScale = 1;
    bool anyDigit = false;
    for (const wchar_t unit : text) {
        if (IsDigit(unit)) {
            anyDigit = true;
            if (!inFraction) {
                value = std::min(value * 10 + (unit - L'0'), kLargestTwips * 10);
            } else if (fractionScale > kSmallestFractionDigit) {
                // Further digits cannot change a rounded twip; dividing on would underflow to 0.
                fractionScale /= 10;
                value += (unit - L'0') * fractionScale;
            }
        } else if ((unit == L'.' || unit == L',') && !inFraction) {
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::wstring BooleanText(bool value) {
    return value ? L"True" : L"False";
}

bool ReadBoolean(const std::optional<std::wstring>& storedText, bool fallback) {
    if (!storedText) return fallback;
    const std::wstring_view text = TrimBlanks(*storedText);
    for (const std::wstring_view yes : {L"True", L"Wahr", L"-1", L"1"})
        if (EqualsIgnoringCase(text, yes)) return true;
    for (const std::wstring_view no : {L"False", L"Falsch", L"0"})
        if (EqualsIgnoringCase(text, no)) return false;
    return fallback;
}

std::wstring TwipsText(int twips) {
    return std::to_wstring(twips);
}

int ReadTwips(const std::optional<std::wstring>& storedText, int fallback) {
    const auto value = storedText ? ParseDecimal(*storedText) : std::nullopt;
    if (!value) return fallback;
    return static_cast<int>(std::lround(std::clamp(*value, -kLargestTwips, kLargestTwips)));
}

}  // namespace zorbel
