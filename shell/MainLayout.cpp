#include "shell/MainLayout.h"

namespace zorbel::shell {

RECT ToPixels(const win32::Twips& twips, const TwipsRect& rect) {
    const int left = twips.ToPxX(rect.left);
    const int top = twips.ToPxY(rect.top);
    return {left, top, left + twips.ToPxX(rect.width), top + twips.ToPxY(rect.height)};
}

ResizedPlaces PlaceForClient(const win32::Twips& twips, SIZE client, int statusBarHeight) {
    const int margin = twips.ToPxX(design::kRichTextBox1.left);
    const int rxTop = twips.ToPxY(design::kRichTextBox1.top);
    const int label1Height = twips.ToPxY(design::kLabel1.height);
    const int width = client.cx - 2 * margin;
    const int label1Top = client.cy - statusBarHeight - label1Height;

    ResizedPlaces places{};
    places.rx = {margin, rxTop, margin + width, rxTop + (label1Top - rxTop)};
    places.label1 = {margin, label1Top, margin + width, label1Top + label1Height};
    places.command2Left =
        client.cx - twips.ToPxX(design::kCommand2.width) - twips.ToPxX(design::kRightGapOfCommand2);
    return places;
}

}  // namespace zorbel::shell
