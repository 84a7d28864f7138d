#pragma once
// Where the main window's controls stand: their design places in twips, and
// the rules that follow the window's size.

#include <windows.h>

#include "win32/Twips.h"

namespace zorbel::shell {

struct TwipsRect {
    int left, top, width, height;
};

namespace design {
inline constexpr TwipsRect kToolbar1{0, 60, 1215, 375};
inline constexpr TwipsRect kToolbar2{1200, 60, 1515, 375};
inline constexpr TwipsRect kCombo2{4680, 90, 975, 315};
inline constexpr TwipsRect kCombo1{3225, 90, 975, 315};
inline constexpr TwipsRect kCommand2{7560, 75, 1215, 375};
inline constexpr TwipsRect kRichTextBox1{60, 540, 8730, 4095};
inline constexpr TwipsRect kLabelTema{5760, 90, 1215, 315};
inline constexpr TwipsRect kLabel3{4275, 135, 405, 255};  // up to Combo2, so "Stop:" is not clipped
inline constexpr TwipsRect kLabel2{2805, 135, 420, 255};  // up to Combo1
inline constexpr TwipsRect kLabel1{60, 4680, 8730, 300};
inline constexpr int kRightGapOfCommand2 = 5;
inline constexpr int kRuleShadowOffset = 15;  // the etched rule: highlight at 0, shadow below
inline constexpr int kOuterWidth = 9000;
inline constexpr int kOuterHeight = 6075;
inline constexpr int kComboDropHeight = 3000;  // room for the drop-down list
}  // namespace design

RECT ToPixels(const win32::Twips& twips, const TwipsRect& rect);

// The positions that change with the client size.
struct ResizedPlaces {
    RECT rx;
    RECT label1;
    int command2Left;
};

ResizedPlaces PlaceForClient(const win32::Twips& twips, SIZE client, int statusBarHeight);

}  // namespace zorbel::shell
