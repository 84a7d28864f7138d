// Pages for printers that cannot lay out rich text: margins, wrapping, page breaks, copies.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "capture/PrintLayout.h"

namespace zorbel {
namespace {

// Every character one unit wide, so widths read as character counts.
class CountingMeasure : public platform::TextMeasure {
public:
    int WidthOf(std::wstring_view wideText) const override { return static_cast<int>(wideText.size()); }
};

std::wstring Shown(const std::vector<PrintedPage>& pages) {
    std::wstring shown;
    for (const PrintedPage& page : pages) {
        shown += L"[";
        for (const std::wstring& line : page) shown += line + L"|";
        shown += L"]";
    }
    return shown;
}

TEST(PrintLayout, LinesWrapAndFillPagesAfterTheEmptyFirstLine) {
    struct Case {
        std::wstring text;
        int width;
        int linesPerPage;
        std::wstring pages;
    };
    const std::vector<Case> cases{
        {L"", 10, 5, L"[|]"}, {L"ZCZC\r\nNNNN\r\n", 10, 5, L"[|ZCZC|NNNN|]"},
        {L"a\nb\rc\r\n\r\nd", 10, 6, L"[|a|b|c||d|]"}, {L"one two three", 7, 5, L"[|one two|three|]"},
        {L"one two  three", 8, 5, L"[|one two|three|]"}, {L"  indented word", 9, 5, L"[|  indente|d word|]"},
        {L"abcdefghij", 4, 5, L"[|abcd|efgh|ij|]"}, {L"a\tb\r\n12345678\tc", 20, 5, L"[|a       b|12345678        c|]"},
        {L"1\r\n2\r\n3\r\n", 10, 2, L"[|1|][2|3|]"}, {L"1\r\n2\r\n3\r\n4", 10, 2, L"[|1|][2|3|][4|]"},
        {L"x", 0, 0, L"[|][x|]"},
        {L"\xD83D\xDE00\xD83D\xDE00", 3, 5, L"[|\xD83D\xDE00|\xD83D\xDE00|]"},
        {L"\xD83D\xDE00\xD83D\xDE00", 1, 5, L"[|\xD83D\xDE00|\xD83D\xDE00|]"},  // narrower than a character
    };
    const CountingMeasure measure;
    for (const Case& c : cases)
        EXPECT_EQ(c.pages, Shown(LayOutPages(c.text, measure, c.width, c.linesPerPage)))
            << "width " << c.width << ", lines " << c.linesPerPage;
}

// A4 at 600 dpi with a quarter-inch unprintable rim, then a printer whose rim is wider than the margin.
TEST(PrintLayout, TwoCentimetreMarginsInsideWhatThePrinterReachesAndCopiesCollatedAsSetsOrPageByPage) {
    EXPECT_EQ((PrintArea{322, 322, 4016, 6072}), AreaWithinMargins({600, 600, 4960, 7016, 150, 150, 4660, 6716}));
    EXPECT_EQ((PrintArea{0, 0, 200, 300}), AreaWithinMargins({100, 100, 1000, 1500, 100, 100, 200, 300}));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 0, 1, 2}), PageOrder(3, 2, true));
    EXPECT_EQ((std::vector<int>{0, 0, 1, 1, 2, 2}), PageOrder(3, 2, false));
    EXPECT_EQ((std::vector<int>{0, 1}), PageOrder(2, 0, false));
}

}  // namespace
}  // namespace zorbel
