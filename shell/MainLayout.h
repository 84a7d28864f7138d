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
inline constexpr TwipsRect kFileToolbar{0, 60, 1215, 375};
inline constexpr TwipsRect kFormatToolbar{1200, 60, 1515, 375};
inline constexpr TwipsRect kStopWords{4680, 90, 975, 315};
inline constexpr TwipsRect kStartWords{3225, 90, 975, 315};
inline constexpr TwipsRect kRecordButton{7560, 75, 1215, 375};
inline constexpr TwipsRect kRxWindow{60, 540, 8730, 4095};
inline constexpr TwipsRect kThemeLabel{5760, 90, 1215, 315};
inline constexpr TwipsRect kStopLabel{4275, 135, 405, 255};  // up to the stop words, so "Stop:" is not clipped
inline constexpr TwipsRect kStartLabel{2805, 135, 420, 255};  // up to the start words
inline constexpr TwipsRect kLineLabel{60, 4680, 8730, 300};
inline constexpr int kRightGapOfRecordButton = 5;
inline constexpr int kRuleShadowOffset = 15;  // the etched rule: highlight at 0, shadow below
inline constexpr int kOuterWidth = 9000;
inline constexpr int kOuterHeight = 6075;
inline constexpr int kComboDropHeight = 3000;  // room for the drop-down list
}  // namespace design

RECT ToPixels(const win32::Twips& twips, const TwipsRect& rect);

// The positions that change with the client size.
struct ResizedPlaces {
    RECT rx;
    RECT lineLabel;
    int recordButtonLeft;
};

ResizedPlaces PlaceForClient(const win32::Twips& twips, SIZE client, int statusBarHeight);

}  // namespace zorbel::shell
