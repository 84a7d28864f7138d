#include "config/WindowPlacement.h"

#include <algorithm>

namespace zorbel {
namespace {

long long OverlapArea(const WindowPlace& window, const ScreenArea& area) {
    const long long width = std::min<long long>(0LL + window.left + window.width, area.right) -
                            std::max(window.left, area.left);
    const long long height = std::min<long long>(0LL + window.top + window.height, area.bottom) -
                             std::max(window.top, area.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The length at least the minimum, and at most what the screen holds unless the minimum is more.
int FittedLength(int length, int minimum, int screenLength) {
    return std::max(std::min(length, screenLength), minimum);
}

// The start moved just far enough that the window lies on the screen; a window
// longer than the screen starts at the screen's start.
int FittedStart(int start, int length, int screenStart, int screenEnd) {
    return std::max(std::min(start, screenEnd - length), screenStart);
}

}  // namespace

WindowPlace PlaceWindow(WindowPlace proposed, TwipsSize minimum, std::span<const ScreenArea> workAreas) {
    proposed.width = std::max(proposed.width, minimum.width);
    proposed.height = std::max(proposed.height, minimum.height);
    if (workAreas.empty()) return proposed;

    const auto& area = *std::max_element(workAreas.begin(), workAreas.end(),
                                         [&proposed](const ScreenArea& a, const ScreenArea& b) {
                                             return OverlapArea(proposed, a) < OverlapArea(proposed, b);
                                         });
    WindowPlace placed;
    placed.width = FittedLength(proposed.width, minimum.width, area.right - area.left);
    placed.height = FittedLength(proposed.height, minimum.height, area.bottom - area.top);
    placed.left = FittedStart(proposed.left, placed.width, area.left, area.right);
    placed.top = FittedStart(proposed.top, placed.height, area.top, area.bottom);
    return placed;
}

std::vector<RowSpan> FitRow(std::span<const RowSpan> design, std::span<const int> needed) {
    std::vector<RowSpan> fitted;
    int shift = 0;
    for (std::size_t index = 0; index < design.size(); ++index) {
        const int width = std::max(design[index].width, index < needed.size() ? needed[index] : 0);
        fitted.push_back({design[index].left + shift, width});
        shift += width - design[index].width;
    }
    return fitted;
}

std::vector<int> FitPanels(int barWidth, std::span<const int> designWidths, std::span<const int> needed,
                           std::span<const std::size_t> givingOrder) {
    std::vector<int> widths(designWidths.size());
    int others = 0;
    for (std::size_t part = 1; part < widths.size(); ++part) {
        widths[part] = std::max(designWidths[part], needed[part]);
        others += widths[part];
    }
    widths[0] = barWidth - others;
    for (const std::size_t part : givingOrder) {
        const int missing = needed[0] - widths[0];
        if (missing <= 0) break;
        const int given = std::clamp(widths[part] - needed[part], 0, missing);
        widths[part] -= given;
        widths[0] += given;
    }
    return widths;
}

WindowPlace PlaceBoxOver(TwipsSize box, ScreenArea owner, ScreenArea workArea) {
    // Both centres rounded down, so that the box's centre is the owner's to the pixel.
    const int left = owner.left + (owner.right - owner.left) / 2 - box.width / 2;
    const int top = owner.top + (owner.bottom - owner.top) / 2 - box.height / 2;
    return {FittedStart(left, box.width, workArea.left, workArea.right),
            FittedStart(top, box.height, workArea.top, workArea.bottom), box.width, box.height};
}

}  // namespace zorbel
