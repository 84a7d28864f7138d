#pragma once
// Where the main window opens: the stored size, but never below the minimum
// size, never larger than the screen it opens on, and wholly on that screen.
// Every length is in twips.

#include <span>

namespace zorbel {

struct TwipsSize {
    int width;
    int height;
};

// A screen's work area (the screen without the task bar), right and bottom exclusive.
struct ScreenArea {
    int left;
    int top;
    int right;
    int bottom;
};

struct WindowPlace {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr TwipsSize kMainWindowMinimum{7080, 2510};

// The window opens on the work area that holds the most of it at its proposed
// place, or on the first one (the primary screen) when none does.
WindowPlace PlaceWindow(WindowPlace proposed, TwipsSize minimum, std::span<const ScreenArea> workAreas);

}  // namespace zorbel
