#include "decoder/FaxLineTiming.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace zorbel::decoder {
namespace {

// Phasing lines are looked for among the first lines of a reception, the
// first of them folded onto each other to find roughly where the pulse lies.
constexpr int kFoldLines = 8;
constexpr int kSearchedLines = 120;
// The phasing ends after this many lines without a pulse; fewer lines than
// the least are taken for a picture that happens to look like it.
constexpr int kMissesAfterPhasing = 3;
constexpr std::size_t kLeastPhasingLines = 8;
// A pulse stands out from the black of its line by this much brightness.
constexpr double kPulseContrast = 0.4;
// The sender's or the sound card's clock: beyond this the line's length is
// not believed.
constexpr double kClockTolerance = 400e-6;
// The picture's correlation is taken over this many lines apart, each step
// narrowing the line's length for the next; it must stand out this much.
// Over a few lines a chart's slanting curves pull the peak aside; over many
// only what runs straight down is still alike, so phasing lines, which
// give the line's length within a millionth, are bettered only from there.
constexpr int kCorrelationSpans[] = {1, 4, 16, 64, 256, 512};
constexpr int kFirstSpanAfterPhasing = 3;
constexpr double kLeastCorrelation = 0.05;
// Lag around the expected one searched at each step, in samples.
constexpr int kLagSearch = 3;
// The stillest stretch of columns (a chart's margin) is this share of the
// line wide; so many lines show it.
constexpr double kMarginShare = 0.04;
constexpr int kMarginLines = 200;

double Mean(std::span<const float> samples, std::size_t from, std::size_t count) {
    double sum = 0.0;
    for (std::size_t index = from; index < from + count; ++index) sum += samples[index];
    return sum / static_cast<double>(count);
}

struct Line {
    double index;
    double pulseCentre;
};

// A straight line through the pulses' centres: centre = start + slope * index.
struct Fit {
    double start;
    double slope;
};

Fit FitPulses(const std::vector<Line>& lines) {
    double meanIndex = 0.0, meanCentre = 0.0;
    for (const Line& line : lines) {
        meanIndex += line.index;
        meanCentre += line.pulseCentre;
    }
    meanIndex /= static_cast<double>(lines.size());
    meanCentre /= static_cast<double>(lines.size());
    double covariance = 0.0, variance = 0.0;
    for (const Line& line : lines) {
        covariance += (line.index - meanIndex) * (line.pulseCentre - meanCentre);
        variance += (line.index - meanIndex) * (line.index - meanIndex);
    }
    const double slope = covariance / variance;
    return {meanCentre - slope * meanIndex, slope};
}

// Where the pulse lies within a line, roughly: the lines folded, the widest
// white stretch of the pulse's width; none if no pulse stands out.
std::optional<double> FoldedPulseCentre(std::span<const float> brightness, double lineSamples, std::size_t width) {
    const auto length = static_cast<std::size_t>(lineSamples);
    const int lines = std::min(kFoldLines, static_cast<int>(brightness.size() / lineSamples) - 1);
    if (lines < 1) return std::nullopt;
    std::vector<double> fold(length, 0.0);
    for (int line = 0; line < lines; ++line) {
        const auto start = static_cast<std::size_t>(line * lineSamples);
        for (std::size_t index = 0; index < length; ++index) fold[index] += brightness[start + index] / lines;
    }
    double window = 0.0, total = 0.0;
    for (std::size_t index = 0; index < width; ++index) window += fold[index];
    for (const double value : fold) total += value;
    double best = window;
    std::size_t bestStart = 0;
    for (std::size_t start = 1; start < length; ++start) {
        window += fold[(start + width - 1) % length] - fold[start - 1];
        if (window > best) {
            best = window;
            bestStart = start;
        }
    }
    const double pulse = best / static_cast<double>(width);
    const double rest = (total - best) / static_cast<double>(length - width);
    if (pulse - rest < kPulseContrast) return std::nullopt;
    return static_cast<double>(bestStart) + static_cast<double>(width) / 2.0;
}

// The centre of a phasing pulse near where it is expected: the brightest
// stretch of its width, then the weight of its white; none unless the line
// is black around it.
std::optional<double> PulseCentre(std::span<const float> brightness, double expected, double lineSamples,
                                  std::size_t width) {
    const auto earliest = static_cast<long long>(expected - static_cast<double>(width) * 1.5);
    const auto latest = static_cast<long long>(expected - static_cast<double>(width) / 2.0) + 1;
    const auto lineEnd = static_cast<long long>(expected + lineSamples - static_cast<double>(width));
    if (earliest < 0 || lineEnd >= static_cast<long long>(brightness.size())) return std::nullopt;
    double best = -1.0;
    std::size_t bestStart = 0;
    for (auto start = static_cast<std::size_t>(earliest); start <= static_cast<std::size_t>(latest); ++start) {
        const double pulse = Mean(brightness, start, width);
        if (pulse > best) {
            best = pulse;
            bestStart = start;
        }
    }
    const std::size_t blackFrom = bestStart + 2 * width;
    const double black = Mean(brightness, blackFrom, static_cast<std::size_t>(lineEnd) - blackFrom);
    if (best - black < kPulseContrast) return std::nullopt;
    double weight = 0.0, moment = 0.0;
    for (std::size_t index = bestStart - width / 2; index < bestStart + width + width / 2; ++index) {
        const double white = std::max(0.0, brightness[index] - 0.5);
        weight += white;
        moment += white * static_cast<double>(index);
    }
    return moment / weight + 0.5;
}

struct Phasing {
    Fit pulses;
    double lastLine;
    double middleLine;
};

std::optional<Phasing> FindPhasing(std::span<const float> brightness, double lineSamples, double pulseShare) {
    const auto width = static_cast<std::size_t>(pulseShare * lineSamples);
    const std::optional<double> folded = FoldedPulseCentre(brightness, lineSamples, width);
    if (!folded) return std::nullopt;
    std::vector<Line> lines;
    Fit fit{*folded, lineSamples};
    int misses = 0;
    for (int index = 0; index < kSearchedLines && misses < kMissesAfterPhasing; ++index) {
        const double expected = fit.start + fit.slope * index;
        if (const std::optional<double> centre = PulseCentre(brightness, expected, lineSamples, width)) {
            lines.push_back({static_cast<double>(index), *centre});
            misses = 0;
            if (lines.size() >= 4) fit = FitPulses(lines);
        } else if (!lines.empty()) {
            ++misses;
        }
    }
    if (lines.size() < kLeastPhasingLines) return std::nullopt;
    fit = FitPulses(lines);
    if (std::abs(fit.slope / lineSamples - 1.0) > kClockTolerance) return std::nullopt;
    return Phasing{fit, lines.back().index, (lines.front().index + lines.back().index) / 2.0};
}

// The correlation coefficient of the picture with itself `lag` samples on.
double Correlation(std::span<const float> picture, double mean, std::size_t lag) {
    double product = 0.0, early = 0.0, late = 0.0;
    for (std::size_t index = 0; index + lag < picture.size(); ++index) {
        const double first = picture[index] - mean, second = picture[index + lag] - mean;
        product += first * second;
        early += first * first;
        late += second * second;
    }
    return early > 0.0 && late > 0.0 ? product / std::sqrt(early * late) : 0.0;
}

// The line's length, narrowed by the picture's correlation over ever more
// lines, from the given step on; as given where the picture is too short or
// too weak to tell.
double LineSamplesFromPicture(std::span<const float> picture, double lineSamples, std::size_t firstSpan) {
    const double mean = Mean(picture, 0, picture.size());
    for (const int span : std::span(kCorrelationSpans).subspan(firstSpan)) {
        const double expected = span * lineSamples;
        if (static_cast<double>(picture.size()) < expected + 4.0 * lineSamples) break;
        const auto centre = static_cast<std::size_t>(std::lround(expected));
        double values[2 * kLagSearch + 1];
        int best = 0;
        for (int offset = -kLagSearch; offset <= kLagSearch; ++offset) {
            values[offset + kLagSearch] = Correlation(picture, mean, centre + offset);
            if (values[offset + kLagSearch] > values[best]) best = offset + kLagSearch;
        }
        if (best == 0 || best == 2 * kLagSearch || values[best] < kLeastCorrelation) break;
        const double before = values[best - 1], peak = values[best], after = values[best + 1];
        const double vertex = 0.5 * (before - after) / (before - 2.0 * peak + after);
        lineSamples = (static_cast<double>(centre) + best - kLagSearch + vertex) / span;
    }
    return lineSamples;
}

// Where in the line the picture changes least from one line to the next:
// the middle of that stretch, taken for the line's start.
double StillestColumn(std::span<const float> picture, double lineSamples) {
    const auto length = static_cast<std::size_t>(lineSamples);
    const int lines = std::min(kMarginLines, static_cast<int>(picture.size() / lineSamples) - 1);
    std::vector<double> change(length, 0.0);
    for (int line = 1; line <= lines; ++line) {
        const auto start = static_cast<std::size_t>(std::lround(line * lineSamples));
        const auto before = static_cast<std::size_t>(std::lround((line - 1) * lineSamples));
        for (std::size_t index = 0; index < length; ++index) {
            change[index] += std::abs(picture[start + index] - picture[before + index]);
        }
    }
    const auto width = std::max<std::size_t>(1, static_cast<std::size_t>(kMarginShare * lineSamples));
    double window = 0.0;
    for (std::size_t index = 0; index < width; ++index) window += change[index];
    double least = window;
    std::size_t leastStart = 0;
    for (std::size_t start = 1; start < length; ++start) {
        window += change[(start + width - 1) % length] - change[start - 1];
        if (window < least) {
            least = window;
            leastStart = start;
        }
    }
    return std::fmod(static_cast<double>(leastStart) + static_cast<double>(width) / 2.0, lineSamples);
}

}  // namespace

FaxLineTiming FindLineTiming(std::span<const float> brightness, const FaxMode& mode, double brightnessRate) {
    const double nominal = mode.LineSeconds() * brightnessRate;
    FaxLineTiming timing;
    if (const std::optional<Phasing> phasing = FindPhasing(brightness, nominal, mode.phasingPulseShare)) {
        const double pulseHalf = mode.phasingPulseShare * phasing->pulses.slope / 2.0;
        const double pictureStart = phasing->pulses.start + phasing->pulses.slope * (phasing->lastLine + 1) - pulseHalf;
        timing.lineSamples = phasing->pulses.slope;
        if (pictureStart < static_cast<double>(brightness.size())) {
            const auto from = static_cast<std::size_t>(std::max(0.0, pictureStart));
            timing.lineSamples =
                LineSamplesFromPicture(brightness.subspan(from), timing.lineSamples, kFirstSpanAfterPhasing);
        }
        // Taken on from the middle of the phasing, where its fit is surest.
        const double middle = phasing->pulses.start + phasing->pulses.slope * phasing->middleLine;
        timing.firstLine = middle + timing.lineSamples * (phasing->lastLine + 1 - phasing->middleLine) -
                           mode.phasingPulseShare * timing.lineSamples / 2.0;
        timing.phased = true;
        timing.phasingLines = static_cast<int>(phasing->lastLine) + 1;
        return timing;
    }
    timing.lineSamples = LineSamplesFromPicture(brightness, nominal, 0);
    if (static_cast<double>(brightness.size()) > 2.0 * timing.lineSamples) {
        timing.firstLine = StillestColumn(brightness, timing.lineSamples);
    }
    return timing;
}

}  // namespace zorbel::decoder
