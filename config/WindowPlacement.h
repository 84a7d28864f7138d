#pragma once
// Where the main window opens: the stored size, but never below the minimum
// size, never larger than the screen it opens on, and wholly on that screen.
// Every length is in twips.

#include <span>
#include <vector>

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

// A control's place along a row: its left edge and width.
struct RowSpan {
    int left;
    int width;
};

// A row of controls at their design places, each widened to what its text
// needs with the font and DPI it has; a widened control moves the rest of the
// row to the right by as much, so the design's gaps stay. Any unit.
std::vector<RowSpan> FitRow(std::span<const RowSpan> design, std::span<const int> needed);

// The widths of a status bar's panels: the first takes what the others
// leave, each other keeps its design width or what its text needs if that is
// more; when the first one's text does not fit, the others give up what their
// own texts do not need, in the order `givingOrder` names them. Pixels.
std::vector<int> FitPanels(int barWidth, std::span<const int> designWidths, std::span<const int> needed,
                           std::span<const std::size_t> givingOrder);

// A box (a message box, a dialog) centred over the window it belongs to, then
// moved just far enough to lie wholly on the work area; a box larger than the
// work area starts at its top left. Any unit, as long as all agree.
WindowPlace PlaceBoxOver(TwipsSize box, ScreenArea owner, ScreenArea workArea);

}  // namespace zorbel
