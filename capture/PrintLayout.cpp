#include "capture/PrintLayout.h"

#include <algorithm>

namespace zorbel {
namespace {

constexpr int kMarginHundredthsOfMillimetre = 2000;
constexpr int kHundredthsOfMillimetrePerInch = 2540;
constexpr std::size_t kTabColumns = 8;

int MarginDots(int dotsPerInch) {
    return dotsPerInch * kMarginHundredthsOfMillimetre / kHundredthsOfMillimetrePerInch;
}

bool IsBlank(wchar_t unit) { return unit == L' '; }

// Drawing a text does not expand tabs, so they become blanks to the next tab stop.
std::wstring WithTabsExpanded(std::wstring_view paragraph) {
    std::wstring expanded;
    for (const wchar_t unit : paragraph) {
        if (unit == L'\t')
            expanded.append(kTabColumns - expanded.size() % kTabColumns, L' ');
        else
            expanded.push_back(unit);
    }
    return expanded;
}

// The longest start of rest, in whole characters, that fits the width.
std::size_t FittingLength(std::wstring_view rest, const platform::TextMeasure& measure, int width) {
    std::size_t fits = 0;
    std::size_t tooLong = rest.size() + 1;
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (measure.WidthOf(rest.substr(0, middle)) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    // Never between the two halves of a surrogate pair.
    if (fits > 0 && fits < rest.size() && rest[fits - 1] >= 0xD800 && rest[fits - 1] < 0xDC00) --fits;
    return fits;
}

std::wstring_view WithoutTrailingBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// One paragraph (no line end inside) as the lines it wraps into.
void WrapParagraph(std::wstring_view paragraph, const platform::TextMeasure& measure, int width,
                   std::vector<std::wstring>& lines) {
    if (paragraph.empty()) {
        lines.emplace_back();
        return;
    }
    while (!paragraph.empty()) {
        const std::size_t fits = FittingLength(paragraph, measure, width);
        if (fits == paragraph.size()) {
            lines.emplace_back(paragraph);
            return;
        }
        // Break after the last blank that keeps a word on the line; a single
        // over-long word is split where the width ends (at least one whole
        // character, a surrogate pair with both its halves).
        const bool pairFirst = paragraph.size() > 1 && paragraph[0] >= 0xD800 && paragraph[0] < 0xDC00;
        std::size_t lineEnd = std::max<std::size_t>(fits, pairFirst ? 2 : 1);
        std::size_t nextStart = lineEnd;
        if (IsBlank(paragraph[fits])) {
            nextStart = fits;
        } else {
            const std::size_t blank = paragraph.substr(0, fits).rfind(L' ');
            if (blank != std::wstring_view::npos && !WithoutTrailingBlanks(paragraph.substr(0, blank)).empty()) {
                lineEnd = blank;
                nextStart = blank;
            }
        }
        lines.emplace_back(WithoutTrailingBlanks(paragraph.substr(0, lineEnd)));
        paragraph.remove_prefix(nextStart);
        while (!paragraph.empty() && IsBlank(paragraph.front())) paragraph.remove_prefix(1);
    }
}

}  // namespace

PrintArea AreaWithinMargins(const PaperMetrics& paper) {
    const int left = std::clamp(MarginDots(paper.dotsPerInchX) - paper.offsetX, 0, paper.printableWidth);
    const int top = std::clamp(MarginDots(paper.dotsPerInchY) - paper.offsetY, 0, paper.printableHeight);
    const int right = std::clamp(paper.paperWidth - MarginDots(paper.dotsPerInchX) - paper.offsetX, left,
                                 paper.printableWidth);
    const int bottom = std::clamp(paper.paperHeight - MarginDots(paper.dotsPerInchY) - paper.offsetY, top,
                                  paper.printableHeight);
    return {left, top, right - left, bottom - top};
}

std::vector<PrintedPage> LayOutPages(std::wstring_view wideText, const platform::TextMeasure& measure,
                                     int areaWidth, int linesPerPage) {
    std::vector<std::wstring> lines{L""};  // the printout starts with an empty line
    while (!wideText.empty()) {
        const std::size_t end = wideText.find_first_of(L"\r\n");
        WrapParagraph(WithTabsExpanded(wideText.substr(0, end)), measure, areaWidth, lines);
        if (end == std::wstring_view::npos) break;
        const std::size_t endLength = wideText.substr(end, 2) == L"\r\n" ? 2 : 1;
        wideText.remove_prefix(end + endLength);
    }
    std::vector<PrintedPage> pages;
    const auto perPage = static_cast<std::size_t>(std::max(linesPerPage, 1));
    for (std::size_t first = 0; first < lines.size(); first += perPage) {
        const std::size_t last = std::min(first + perPage, lines.size());
        pages.emplace_back(std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(first)),
                           std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(last)));
    }
    return pages;
}

std::vector<int> PageOrder(int pageCount, int copies, bool collate) {
    std::vector<int> order;
    const int sets = std::max(copies, 1);
    for (int outer = 0; outer < (collate ? sets : pageCount); ++outer)
        for (int inner = 0; inner < (collate ? pageCount : sets); ++inner) order.push_back(collate ? inner : outer);
    return order;
}

}  // namespace zorbel
