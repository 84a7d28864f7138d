#pragma once
// The text forms of stored switches and sizes. Written: "True"/"False" and
// whole twips. Read tolerantly, because earlier versions on German systems
// wrote "Wahr"/"Falsch" and sizes with a decimal comma, and a store can be
// edited by hand.

#include <optional>
#include <string>

namespace zorbel {

std::wstring BooleanText(bool value);
// "True"/"False", "Wahr"/"Falsch" in any case, "-1"/"1"/"0"; anything else, or nothing, gives the fallback.
bool ReadBoolean(const std::optional<std::wstring>& storedText, bool fallback);

std::wstring TwipsText(int twips);
// A decimal number with a point or a comma, rounded; anything else, or nothing,
// gives the fallback. Huge values are capped, not wrapped.
int ReadTwips(const std::optional<std::wstring>& storedText, int fallback);

}  // namespace zorbel
