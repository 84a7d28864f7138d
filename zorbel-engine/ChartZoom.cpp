#include "zorbel-engine/ChartZoom.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zorbel::engine_side {
namespace {
// A zoom between two steps (the whole width) counts as neither.
constexpr double kSameStep = 1e-6;
}  // namespace

double ZoomIn(double zoom) {
    for (const double step : kZoomSteps)
        if (step > zoom + kSameStep) return step;
    return std::end(kZoomSteps)[-1];
}

double ZoomOut(double zoom) {
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step)
        if (*step < zoom - kSameStep) return *step;
    return kZoomSteps[0];
}

double WholeWidthZoom(int pictureWidth, int windowWidth) {
    if (pictureWidth <= 0 || windowWidth <= 0) return 1.0;
    return std::clamp(static_cast<double>(windowWidth) / pictureWidth, kZoomSteps[0], std::end(kZoomSteps)[-1]);
}

int ScrollKeeping(int scroll, int anchor, double fromZoom, double toZoom) {
    const double picturePoint = (scroll + anchor) / fromZoom;
    return std::max(0, static_cast<int>(std::lround(picturePoint * toZoom)) - anchor);
}

decoder::GreyImage Shrunk(const decoder::GreyImage& picture, double zoom) {
    decoder::GreyImage shrunk(std::max(1, static_cast<int>(std::lround(picture.width * zoom))),
                              std::max(1, static_cast<int>(std::lround(picture.height * zoom))));
    // The elements each pixel covers: from its left (top) edge up to the next pixel's.
    const auto from = [](int pixel, int pixels, int elements) {
        return static_cast<int>(static_cast<long long>(pixel) * elements / pixels);
    };
    for (int y = 0; y < shrunk.height; ++y) {
        const int top = from(y, shrunk.height, picture.height);
        const int bottom = std::max(top + 1, from(y + 1, shrunk.height, picture.height));
        for (int x = 0; x < shrunk.width; ++x) {
            const int left = from(x, shrunk.width, picture.width);
            const int right = std::max(left + 1, from(x + 1, shrunk.width, picture.width));
            unsigned sum = 0;
            for (int row = top; row < bottom; ++row)
                for (int column = left; column < right; ++column)
                    sum += picture.At(column, row);
            const auto count = static_cast<unsigned>((bottom - top) * (right - left));
            shrunk.At(x, y) = static_cast<std::uint8_t>((sum + count / 2) / count);
        }
    }
    return shrunk;
}

}  // namespace zorbel::engine_side
