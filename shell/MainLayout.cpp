#include "shell/MainLayout.h"

namespace zorbel::shell {

RECT ToPixels(const win32::Twips& twips, const TwipsRect& rect) {
    const int left = twips.ToPxX(rect.left);
    const int top = twips.ToPxY(rect.top);
    return {left, top, left + twips.ToPxX(rect.width), top + twips.ToPxY(rect.height)};
}

ResizedPlaces PlaceForClient(const win32::Twips& twips, SIZE client, int statusBarHeight) {
    const int margin = twips.ToPxX(design::kRxWindow.left);
    const int rxTop = twips.ToPxY(design::kRxWindow.top);
    const int lineLabelHeight = twips.ToPxY(design::kLineLabel.height);
    const int width = client.cx - 2 * margin;
    const int lineLabelTop = client.cy - statusBarHeight - lineLabelHeight;

    ResizedPlaces places{};
    places.rx = {margin, rxTop, margin + width, rxTop + (lineLabelTop - rxTop)};
    places.lineLabel = {margin, lineLabelTop, margin + width, lineLabelTop + lineLabelHeight};
    places.recordButtonLeft =
        client.cx - twips.ToPxX(design::kRecordButton.width) - twips.ToPxX(design::kRightGapOfRecordButton);
    return places;
}

}  // namespace zorbel::shell
