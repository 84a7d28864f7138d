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

}  // namespace zorbel
