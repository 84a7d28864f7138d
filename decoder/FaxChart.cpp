#include "decoder/FaxChart.h"

#include <algorithm>
#include <cmath>

namespace zorbel::decoder {
namespace {

// The mean brightness from `from` to `to` (in samples, each sample standing
// for the stretch up to the next), parts of samples weighed by their share.
double MeanBetween(std::span<const float> brightness, double from, double to) {
    const double first = std::max(0.0, from);
    const double last = std::min(static_cast<double>(brightness.size()), to);
    if (last <= first) return 0.0;
    double sum = 0.0;
    for (auto index = static_cast<std::size_t>(first); static_cast<double>(index) < last; ++index) {
        const double start = std::max(first, static_cast<double>(index));
        const double end = std::min(last, static_cast<double>(index + 1));
        sum += brightness[index] * (end - start);
    }
    return sum / (last - first);
}

}  // namespace

GreyImage DrawChart(std::span<const float> brightness, const FaxLineTiming& timing, int elements) {
    GreyImage chart(elements, timing.Lines(brightness.size()));
    const double elementSamples = timing.lineSamples / elements;
    for (int row = 0; row < chart.height; ++row) {
        const double lineStart = timing.firstLine + row * timing.lineSamples;
        for (int column = 0; column < elements; ++column) {
            const double from = lineStart + column * elementSamples;
            const double mean = MeanBetween(brightness, from, from + elementSamples);
            chart.At(column, row) = static_cast<std::uint8_t>(std::lround(std::clamp(mean, 0.0, 1.0) * 255.0));
        }
    }
    return chart;
}

}  // namespace zorbel::decoder
