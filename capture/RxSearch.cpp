#include "capture/RxSearch.h"

#include <algorithm>
#include <functional>
#include <string>

namespace zorbel {

std::optional<long> FindNextOccurrence(std::u16string_view utf16Text, std::u16string_view utf16Needle,
                                       long selectionStart, const platform::CaseFolding& folding) {
    // One past the start, counted where the largest start cannot overflow.
    const std::size_t from = selectionStart < 0 ? 0 : static_cast<std::size_t>(selectionStart) + 1;
    if (utf16Needle.empty() || from >= utf16Text.size()) return std::nullopt;
    // Only the part searched is folded: a search near the end of a long text stays cheap.
    const std::u16string haystack = folding.ToUpper(utf16Text.substr(from));
    const std::u16string needle = folding.ToUpper(utf16Needle);
    const auto hit = std::search(haystack.begin(), haystack.end(),
                                 std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
    if (hit == haystack.end()) return std::nullopt;
    return static_cast<long>(from + static_cast<std::size_t>(hit - haystack.begin()));
}

}  // namespace zorbel
