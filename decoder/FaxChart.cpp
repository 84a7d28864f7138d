#include "decoder/FaxChart.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorbel::decoder {
namespace {

// The mean known brightness from `from` to `to` (in samples, each sample
// standing for the stretch up to the next), parts of samples weighed by their
// share; none if nothing there is known.
std::optional<double> MeanBetween(std::span<const float> brightness, double from, double to) {
    const double first = std::max(0.0, from);
    const double last = std::min(static_cast<double>(brightness.size()), to);
    double sum = 0.0, known = 0.0;
    for (auto index = static_cast<std::size_t>(first); static_cast<double>(index) < last; ++index) {
        if (brightness[index] < 0.0f) continue;
        const double share = std::min(last, static_cast<double>(index + 1)) - std::max(first, static_cast<double>(index));
        sum += brightness[index] * share;
        known += share;
    }
    if (known <= 0.0) return std::nullopt;
    return sum / known;
}

}  // namespace

GreyImage DrawChart(std::span<const float> brightness, const FaxLineTiming& timing, int elements) {
    GreyImage chart(elements, timing.Lines(brightness.size()));
    const double elementSamples = timing.lineSamples / elements;
    for (int row = 0; row < chart.height; ++row) {
        const double lineStart = timing.firstLine + row * timing.lineSamples;
        for (int column = 0; column < elements; ++column) {
            const double from = lineStart + column * elementSamples;
            // Where the signal had faded, the line above stands in.
            if (const std::optional<double> mean = MeanBetween(brightness, from, from + elementSamples)) {
                chart.At(column, row) = static_cast<std::uint8_t>(std::lround(std::clamp(*mean, 0.0, 1.0) * 255.0));
            } else {
                chart.At(column, row) = row > 0 ? chart.At(column, row - 1) : 128;
            }
        }
    }
    return chart;
}

}  // namespace zorbel::decoder
