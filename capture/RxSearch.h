#pragma once
// Where a search in the Rx window lands. Positions count UTF-16 units as the
// Rx window counts them (a line end is one character).

#include <optional>
#include <string_view>

#include "platform/CaseFolding.h"

namespace zorbel {

// The 0-based start of the first occurrence of the needle that begins after
// the selection start (a hit exactly at the cursor is skipped), ignoring case
// by the locale's rules; nothing when there is none or the needle is empty.
// There is no wrap-around to the start of the text.
std::optional<long> FindNextOccurrence(std::u16string_view utf16Text, std::u16string_view utf16Needle,
                                       long selectionStart, const platform::CaseFolding& folding);

}  // namespace zorbel
