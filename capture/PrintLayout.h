#pragma once
// Pages of plain text for a printer that cannot lay them out itself: the
// area inside the margins, words wrapped at its width, pages filled line by
// line, and the order in which copies of the pages are printed.

#include <string>
#include <string_view>
#include <vector>

#include "platform/TextMeasure.h"

namespace zorbel {

// What the printer reports of its paper, in device units. The printable
// area starts at the offset from the paper's corner.
struct PaperMetrics {
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
    int paperWidth = 0;
    int paperHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
};

// In device units from the printable area's corner, as the printer draws.
struct PrintArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PrintArea&) const = default;
};

using PrintedPage = std::vector<std::wstring>;

// Two centimetres of paper on every side, never outside what the printer reaches.
PrintArea AreaWithinMargins(const PaperMetrics& paper);

// The text after one empty line, in lines no wider than areaWidth and pages
// of at most linesPerPage lines. Lines end at CR LF, LF or CR; words wrap at
// blanks (a tab becomes blanks up to the next tab stop, every eight columns), a word
// wider than the area is split. Never an empty trailing page.
std::vector<PrintedPage> LayOutPages(std::wstring_view wideText, const platform::TextMeasure& measure,
                                     int areaWidth, int linesPerPage);

// Page indexes in printing order: whole sets one after another when collated,
// else each page as often as there are copies.
std::vector<int> PageOrder(int pageCount, int copies, bool collate);

}  // namespace zorbel
