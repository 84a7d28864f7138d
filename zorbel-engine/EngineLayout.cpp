#include "zorbel-engine/EngineLayout.h"

#include <algorithm>

namespace zorbel::engine_side {
namespace {

// At 96 pixels per inch.
constexpr int kLine = 18;
constexpr int kGap = 2;
constexpr int kSignalDesigned = 170;  // in the window as designed
constexpr int kSignalLeast = 56;      // the spectrum's labels and markers, a strip of waterfall
constexpr int kSignalShare = 55;      // per cent of a taller window

}  // namespace

int ScaledToDpi(int pixelsAt96, int dpi) { return (pixelsAt96 * dpi + 48) / 96; }

EngineLayout LayOutEngineWindow(int clientWidth, int clientHeight, int dpi) {
    const int line = ScaledToDpi(kLine, dpi), gap = ScaledToDpi(kGap, dpi), margin = ScaledToDpi(4, dpi);
    const int lines = 2 * line + 2 * gap;
    const int full = std::max(ScaledToDpi(kSignalDesigned, dpi), clientHeight * kSignalShare / 100);
    const int signal = std::clamp(clientHeight - lines, ScaledToDpi(kSignalLeast, dpi), full);
    const int textTop = signal + lines;
    return {{0, 0, clientWidth, signal},
            {margin, signal + gap, clientWidth - 2 * margin, line},
            {margin, signal + gap + line, clientWidth - 2 * margin, line},
            {0, textTop, clientWidth, std::max(0, clientHeight - textTop)}};
}

int LeastClientHeight(int dpi) {
    return ScaledToDpi(kSignalLeast, dpi) + 2 * ScaledToDpi(kLine, dpi) + 2 * ScaledToDpi(kGap, dpi);
}

int DockedHeight(int wanted, int least, int top, int workAreaBottom) {
    return std::max(least, std::min(wanted, workAreaBottom - top));
}

}  // namespace zorbel::engine_side
