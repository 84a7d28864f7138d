#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "capture/RxSearch.h"

namespace zorbel {
namespace {

// ASCII and the German umlauts, as a German locale folds them.
class GermanFolding : public platform::CaseFolding {
public:
    std::u16string ToUpper(std::u16string_view utf16Text) const override {
        std::u16string upper(utf16Text);
        for (char16_t& unit : upper) {
            if ((unit >= u'a' && unit <= u'z') || unit == u'ä' || unit == u'ö' || unit == u'ü') unit -= 0x20;
        }
        return upper;
    }
};

TEST(RxSearch, FindsFromOneAfterTheSelectionStartWithoutWrapping) {
    struct Case {
        const char16_t* text;
        const char16_t* needle;
        long selectionStart;
        std::optional<long> hit;
    };
    const GermanFolding folding;
    for (const Case& c : {
             Case{u"ABC abc", u"abc", 0, 4},           // the hit at the cursor lies before the start
             Case{u"ABC abc", u"abc", 4, std::nullopt},  // again: nothing more, no wrap-around
             Case{u"ABC abc", u"ABC", 3, 4},           // a hit in lower case for an upper-case needle
             Case{u"abc ABC", u"abc", -1, 0},          // below the start of the text: from the first character
             Case{u"Wetter\rÄRMELKANAL", u"ärmel", 0, 7},  // umlauts fold; a line end counts once
             Case{u"xx ende", u"ENDE", 0, 3},          // a hit at the very end
             Case{u"xx ende", u"ende!", 0, std::nullopt},
             Case{u"xx ende", u"", 0, std::nullopt},
             Case{u"", u"a", 0, std::nullopt},
             Case{u"abc", u"a", std::numeric_limits<long>::max(), std::nullopt},  // one past it must not wrap
         }) {
        EXPECT_EQ(c.hit, FindNextOccurrence(c.text, c.needle, c.selectionStart, folding))
            << "needle \"" << std::string(c.needle, c.needle + std::char_traits<char16_t>::length(c.needle))
            << "\" from selection start " << c.selectionStart;
    }
}

}  // namespace
}  // namespace zorbel
