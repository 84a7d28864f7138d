#pragma once
// How large a chart is shown: in steps up and down from its own size, at
// first so that its whole width fits the window, and zoomed about a point
// that stays where it was on the screen.

#include "decoder/GreyImage.h"

namespace zorbel::engine_side {

inline constexpr double kZoomSteps[] = {0.125, 0.25, 0.375, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0};

// The next step above or below; the largest and smallest stay.
double ZoomIn(double zoom);
double ZoomOut(double zoom);
// The picture's whole width in the window, within the steps' range.
double WholeWidthZoom(int pictureWidth, int windowWidth);

// The scroll position (window pixels) after a zoom, so that the picture
// point at `anchor` pixels into the window stays there.
int ScrollKeeping(int scroll, int anchor, double fromZoom, double toZoom);

// Smaller by the zoom (below 1), each pixel the mean of the elements it
// covers: a line one element thick stays, fainter, where picking every n-th
// element would break it into dashes.
decoder::GreyImage Shrunk(const decoder::GreyImage& picture, double zoom);

}  // namespace zorbel::engine_side
