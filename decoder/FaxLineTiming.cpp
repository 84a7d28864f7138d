#include "decoder/FaxLineTiming.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "decoder/FaxDemodulator.h"
#include "decoder/SharpestFold.h"

namespace zorbel::decoder {
namespace {

// Phasing lines are looked for among the first lines of a reception, the
// first of them folded onto each other to find roughly where the pulse lies.
constexpr int kFoldLines = 8;
constexpr int kLatestFold = 24;
constexpr int kSearchedLines = 120;
// The phasing ends after this many lines without a pulse (a fade may hide a
// few); fewer lines than the least are taken for a picture that happens to
// look like it.
constexpr int kMissesAfterPhasing = 6;
constexpr std::size_t kLeastPhasingLines = 8;
// A pulse this many times the median distance off the line through all (and
// a sample more) is left out of the fit.
constexpr double kFarOffMedians = 3.0;
// Twice as far off, a pulse still marks a phasing line (noise moves a weak
// one's centre); further, it may be a dark row of the picture brightened by
// noise.
constexpr double kPhasingLineFarOff = 2.0;
// A weak signal's noise brightens some stretch of a dark picture row enough
// to pass for a pulse, but rarely half as much as the phasing's pulses stand
// out: such a pulse does not extend the phasing.
constexpr double kFaintestLastPulse = 0.5;
// The pulse stands out from the black of the first lines folded by this much
// brightness, and from the black of each line by this much: in a weak signal
// the noise brightens the black, more so where a fade has weakened it.
constexpr double kFoldedPulseContrast = 0.25;
constexpr double kPulseContrast = 0.2;
// A line whose pulse is mostly unknown while the rest of it is mostly known
// and this dark still counts as a phasing line at their end: a fade took the
// white's frequency, not the black's. (Where both faded, the line may as well
// be a dark row at the picture's top.)
constexpr double kDarkerThan = 0.5;
// A pulse is placed only where so much of it is known.
constexpr double kLeastKnownPulse = 0.5;
// The sender's or the sound card's clock: beyond this the phasing's line
// length is not believed (a fade misled it), only its line start; far beyond
// it, not even that.
constexpr double kClockTolerance = 250e-6;
constexpr double kPhasingTolerance = 1000e-6;
// The picture's correlation is taken over this many lines apart, each step
// narrowing the line's length for the next; it must stand out this much.
// Over a few lines a chart's slanting curves pull the peak aside; over many
// only what runs straight down is still alike, and on a fading path the
// line's start wanders with the paths' mix over some lines: so phasing lines
// are bettered only by steps from the kFirstStepAfterPhasing'th on (unless
// their own error is too large for it).
constexpr int kCorrelationSpans[] = {1, 4, 16, 64, 128, 256, 512};
constexpr std::size_t kFirstStepAfterPhasing = 3;
// A weak signal on a fading path gives no more than 0.005 over 64 lines
// (noise 0.002 at most): enough, as each step is checked by the next.
constexpr double kLeastCorrelation = 0.004;
// A span is taken where the picture is this many times as long, so that
// enough of it overlaps.
constexpr double kLeastOverlap = 1.5;
// Edges are taken as the step between stretches of this many samples.
constexpr std::size_t kEdgeStep = 4;
// Lag around the expected one searched at each step, in samples: enough for
// the error of the step before over four times its span; at the first step
// after phasing, for so many times the phasing's standard error over the
// step's span (on a fading path the pulses wander with the paths' mix).
constexpr int kLagSearch = 3;
constexpr double kPhasingErrors = 4.0;
constexpr int kWidestLagSearch = 24;
// The fit searches each line's shift so far, at least twice, each time
// against the fold sharpened by the length the pass before found, until the
// last pass moved the last line by less than so many samples; it needs so
// many lines. Wider, a chart's evenly spaced dots and letters give peaks
// beside the true one.
constexpr int kFitSearch = 4;
constexpr int kFitPasses = 2;
constexpr int kMostFitPasses = 8;
constexpr double kFitSettled = 0.5;
constexpr int kLeastFitLines = 32;
constexpr int kFirstFitLines = 64;
// The stillest stretch of columns (a chart's margin) is this share of the
// line wide; so many lines show it.
constexpr double kMarginShare = 0.04;
constexpr int kMarginLines = 200;

double Mean(std::span<const float> samples, std::size_t from, std::size_t count) {
    double sum = 0.0;
    for (std::size_t index = from; index < from + count; ++index) sum += GreyIfUnknown(samples[index]);
    return sum / static_cast<double>(count);
}

// The mean of the known brightness, and the share of it known; 0.5 where
// none is.
struct Known {
    double mean;
    double share;
};

Known KnownMean(std::span<const float> samples, std::size_t from, std::size_t count) {
    double sum = 0.0, known = 0.0;
    for (std::size_t index = from; index < from + count; ++index) {
        if (samples[index] < 0.0f) continue;
        sum += samples[index];
        ++known;
    }
    return known > 0.0 ? Known{sum / known, known / static_cast<double>(count)} : Known{0.5, 0.0};
}

struct Line {
    double index;
    double pulseCentre;
    // How much brighter the pulse is than the line's black.
    double contrast;
};

// A straight line through the pulses' centres: centre = start + slope * index.
struct Fit {
    double start;
    double slope;
    // The slope's standard error, from the scatter about the line.
    double slopeError;
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
    double scatter = 0.0;
    for (const Line& line : lines) {
        const double off = line.pulseCentre - meanCentre - slope * (line.index - meanIndex);
        scatter += off * off;
    }
    const double freedom = std::max(1.0, static_cast<double>(lines.size()) - 2.0);
    return {meanCentre - slope * meanIndex, slope, std::sqrt(scatter / freedom / variance)};
}

// Where the pulse lies within a line, roughly: the lines from firstLine on
// folded, the widest white stretch of the pulse's width; none if no pulse
// stands out.
std::optional<double> FoldedPulseCentre(std::span<const float> brightness, double lineSamples, std::size_t width,
                                        int firstLine) {
    const auto length = static_cast<std::size_t>(lineSamples);
    const int lines = std::min(kFoldLines, static_cast<int>(brightness.size() / lineSamples) - 1 - firstLine);
    if (lines < 1) return std::nullopt;
    std::vector<double> fold(length, 0.0);
    for (int line = firstLine; line < firstLine + lines; ++line) {
        const auto start = static_cast<std::size_t>(line * lineSamples);
        for (std::size_t index = 0; index < length; ++index) fold[index] += GreyIfUnknown(brightness[start + index]) / lines;
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
    if (pulse - rest < kFoldedPulseContrast) return std::nullopt;
    return static_cast<double>(bestStart) + static_cast<double>(width) / 2.0;
}

struct Pulse {
    double centre;
    double contrast;
};

// The centre of a phasing pulse near where it is expected: the brightest
// stretch of its width, then the weight of its white; none unless the line
// is black around it.
std::optional<Pulse> PulseCentre(std::span<const float> brightness, double expected, double lineSamples,
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
    // A pulse mostly unknown was taken by a fade of its white's frequency
    // alone (two paths cancel at some frequencies only): what is left of it
    // would put its centre at one of its edges.
    if (KnownMean(brightness, bestStart, width).share < kLeastKnownPulse) return std::nullopt;
    // Only what is known of the black: a fade's unknown stretches taken as
    // grey would darken a white picture line enough to pass for one.
    const std::size_t blackFrom = bestStart + 2 * width;
    const double black = KnownMean(brightness, blackFrom, static_cast<std::size_t>(lineEnd) - blackFrom).mean;
    if (best - black < kPulseContrast) return std::nullopt;
    // Just beyond the pulse's edges, which the demodulator's filter smooths
    // over a few samples: clicks of noise further out would pull it aside.
    double weight = 0.0, moment = 0.0;
    for (std::size_t index = bestStart - width / 8; index < bestStart + width + width / 8; ++index) {
        const double white = std::max(0.0f, brightness[index] - 0.5f);
        weight += white;
        moment += white * static_cast<double>(index);
    }
    if (weight <= 0.0) return std::nullopt;
    return Pulse{moment / weight + 0.5, best - black};
}

// Whether the line whose pulse is expected here lost it in a fade: most of
// the pulse unknown, the rest of the line mostly known and dark.
bool PulseFaded(std::span<const float> brightness, double expected, double lineSamples, std::size_t width) {
    const auto from = static_cast<long long>(expected - static_cast<double>(width) / 2.0);
    const auto lineEnd = static_cast<long long>(from + lineSamples);
    if (from < 0 || lineEnd > static_cast<long long>(brightness.size())) return false;
    const auto pulseEnd = static_cast<std::size_t>(from) + width;
    const Known rest = KnownMean(brightness, pulseEnd, static_cast<std::size_t>(lineEnd) - pulseEnd);
    return KnownMean(brightness, static_cast<std::size_t>(from), width).share < 0.5 && rest.share > 0.5 &&
           rest.mean < kDarkerThan;
}

struct Phasing {
    Fit pulses;
    double lastLine;
    // The kept lines' mean index: there the fit's line passes through their
    // mean pulse centre, whatever its slope.
    double meanLine;
};

std::optional<Phasing> FindPhasing(std::span<const float> brightness, double lineSamples, double pulseShare) {
    const auto width = static_cast<std::size_t>(pulseShare * lineSamples);
    // A reception begun by its picture may begin some lines before the phasing.
    std::optional<double> folded;
    for (int firstLine = 0; !folded && firstLine < kLatestFold; firstLine += kFoldLines / 2) {
        folded = FoldedPulseCentre(brightness, lineSamples, width, firstLine);
    }
    if (!folded) return std::nullopt;
    std::vector<Line> lines;
    // Phasing lines whose pulse a fade took: neither placed nor missed.
    std::vector<int> fadedLines;
    Fit fit{*folded, lineSamples, 0.0};
    int misses = 0;
    for (int index = 0; index < kSearchedLines && misses < kMissesAfterPhasing; ++index) {
        const double expected = fit.start + fit.slope * index;
        if (const std::optional<Pulse> pulse = PulseCentre(brightness, expected, lineSamples, width)) {
            lines.push_back({static_cast<double>(index), pulse->centre, pulse->contrast});
            misses = 0;
            if (lines.size() >= kLeastPhasingLines * 2) fit = FitPulses(lines);
        } else if (!lines.empty() && PulseFaded(brightness, expected, lineSamples, width)) {
            fadedLines.push_back(index);
        } else if (!lines.empty() && ++misses == kMissesAfterPhasing && lines.size() < kLeastPhasingLines) {
            // Too few to be the phasing: a weak signal's first lines, where
            // only some pulses stood out; it is sought on from here.
            lines.clear();
            fadedLines.clear();
            misses = 0;
        }
    }
    if (lines.size() < kLeastPhasingLines) return std::nullopt;
    fit = FitPulses(lines);
    // Without the lines whose pulse lies far off the rest's (noise taken for
    // it in a fade).
    std::vector<double> offs;
    for (const Line& line : lines) offs.push_back(std::abs(line.pulseCentre - fit.start - fit.slope * line.index));
    std::vector<double> sorted = offs;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double farOff = kFarOffMedians * sorted[sorted.size() / 2] + 1.0;
    std::vector<Line> kept;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (offs[index] <= farOff) kept.push_back(lines[index]);
    }
    if (kept.size() < kLeastPhasingLines) return std::nullopt;
    fit = FitPulses(kept);
    if (std::abs(fit.slope / lineSamples - 1.0) > kPhasingTolerance) return std::nullopt;
    double meanLine = 0.0;
    for (const Line& line : kept) meanLine += line.index / static_cast<double>(kept.size());
    // The last pulse placed near the line through them and standing out
    // about as the others do, and the lines after it whose pulse was lost in
    // a fade.
    std::vector<double> contrasts;
    for (const Line& line : kept) contrasts.push_back(line.contrast);
    std::nth_element(contrasts.begin(), contrasts.begin() + contrasts.size() / 2, contrasts.end());
    const double faintest = kFaintestLastPulse * contrasts[contrasts.size() / 2];
    double lastLine = 0.0;
    for (const Line& line : lines) {
        if (std::abs(line.pulseCentre - fit.start - fit.slope * line.index) <= kPhasingLineFarOff * farOff &&
            line.contrast >= faintest) {
            lastLine = std::max(lastLine, line.index);
        }
    }
    for (const int faded : fadedLines) {
        if (faded == static_cast<int>(lastLine) + 1) ++lastLine;
    }
    return Phasing{fit, lastLine, meanLine};
}

// The correlation of the edges with themselves `lag` samples on (their mean
// is nearly 0).
double Correlation(std::span<const float> edges, std::size_t lag) {
    double product = 0.0, early = 0.0, late = 0.0;
    for (std::size_t index = 0; index + lag < edges.size(); ++index) {
        const double first = edges[index], second = edges[index + lag];
        product += first * second;
        early += first * first;
        late += second * second;
    }
    return early > 0.0 && late > 0.0 ? product / std::sqrt(early * late) : 0.0;
}

// Where between samples the peak at `best` lies: the vertex of the parabola
// through it and its neighbours.
double Vertex(const std::vector<double>& values, std::size_t best) {
    const double before = values[best - 1], peak = values[best], after = values[best + 1];
    const double curvature = before - 2.0 * peak + after;
    return curvature < 0.0 ? 0.5 * (before - after) / curvature : 0.0;
}

// The lag of the edges' correlation peak within `search` samples of
// `centre`, between samples; none where the peak lies at the search's edge
// or is too weak.
std::optional<double> PeakLag(std::span<const float> edges, std::size_t centre, int search) {
    std::vector<double> values;
    for (int offset = -search; offset <= search; ++offset) values.push_back(Correlation(edges, centre + offset));
    const auto best = static_cast<std::size_t>(std::max_element(values.begin(), values.end()) - values.begin());
    if (best == 0 || best + 1 == values.size() || values[best] < kLeastCorrelation) return std::nullopt;
    return static_cast<double>(centre) + static_cast<double>(best) - search + Vertex(values, best);
}

// The step from one stretch of kEdgeStep samples to the next, whose means
// hold less noise than single samples: edges only, as the picture's large
// areas, alike over any lag near the line's, would flatten a correlation's
// peak.
std::vector<float> Edges(std::span<const float> brightness) {
    std::vector<float> edges(brightness.size() > 2 * kEdgeStep ? brightness.size() - 2 * kEdgeStep : 0);
    double before = 0.0, after = 0.0;
    for (std::size_t index = 0; index < 2 * kEdgeStep && index < brightness.size(); ++index) {
        (index < kEdgeStep ? before : after) += GreyIfUnknown(brightness[index]);
    }
    for (std::size_t index = 0; index < edges.size(); ++index) {
        edges[index] = static_cast<float>(after - before);
        const double middle = GreyIfUnknown(brightness[index + kEdgeStep]);
        before += middle - GreyIfUnknown(brightness[index]);
        after += GreyIfUnknown(brightness[index + 2 * kEdgeStep]) - middle;
    }
    return edges;
}

// A line's length and over how many lines it was borne out: it holds the
// lines' start within a few samples over about as many again.
struct Narrowed {
    double lineSamples;
    int overLines;
};

// The line's length, narrowed by the picture's correlation over ever more
// lines from the given step on, the first searching so many samples either
// side; as given where the picture is too short or too weak to tell.
// A step's length stands once the next step finds its peak within reach;
// where that fails, the length before it is given, and the last step's as
// unconfirmed beside it (a weak signal's early step may have taken noise for
// its peak and the next put it right, or the next may have).
std::vector<Narrowed> LineSamplesFromCorrelation(std::span<const float> edges, double lineSamples,
                                                 std::size_t firstStep, int firstSearch) {
    int search = firstSearch;
    Narrowed narrowed{lineSamples, 0};
    Narrowed beforeStep = narrowed;
    for (const int span : std::span(kCorrelationSpans).subspan(firstStep)) {
        const double expected = span * narrowed.lineSamples;
        if (static_cast<double>(edges.size()) < kLeastOverlap * expected) break;
        const auto centre = static_cast<std::size_t>(std::lround(expected));
        std::optional<double> lag = PeakLag(edges, centre, search);
        // A peak at the reach's edge may lie just beyond it: the step before
        // erred more than its span let it tell (a chart's slanting curves).
        if (!lag && search < kWidestLagSearch) lag = PeakLag(edges, centre, kWidestLagSearch);
        if (!lag) {
            if (narrowed.overLines == 0) return {narrowed};
            return {beforeStep, {narrowed.lineSamples, 0}};
        }
        beforeStep = narrowed;
        narrowed = {*lag / span, span};
        search = kLagSearch;
    }
    return {narrowed};
}

// The mean of the lines' edges, each line taken from where the length puts
// it: what runs straight down the chart (its frame, its grid) stands out,
// the rest averages away.
std::vector<double> FoldedEdges(std::span<const float> edges, double lineSamples, int lines) {
    const auto length = static_cast<std::size_t>(lineSamples);
    std::vector<double> fold(length, 0.0);
    for (int line = 0; line < lines; ++line) {
        const auto start = static_cast<std::size_t>(std::lround(line * lineSamples));
        for (std::size_t index = 0; index < length; ++index) fold[index] += edges[start + index];
    }
    return fold;
}

// One line's shift against the fold, between samples, and how clearly it
// shows: the height of its correlation peak, low where a fade or noise
// blurred the line.
struct LineShift {
    double line;
    double shift;
    double weight;
};

std::optional<LineShift> ShiftAgainstFold(std::span<const float> edges, const std::vector<double>& fold,
                                          double lineSamples, int line, int search) {
    const auto start = static_cast<std::size_t>(std::lround(line * lineSamples));
    const auto margin = static_cast<std::size_t>(search);
    std::vector<double> values;
    for (int lag = -search; lag <= search; ++lag) {
        double product = 0.0;
        for (std::size_t index = margin; index + margin < fold.size(); ++index) {
            // Without the line's own edges, which would hold it where it was put.
            const double others = fold[index] - edges[start + index];
            product += others * edges[static_cast<std::size_t>(static_cast<long long>(start + index) + lag)];
        }
        values.push_back(product);
    }
    const auto best = static_cast<std::size_t>(std::max_element(values.begin(), values.end()) - values.begin());
    if (best == 0 || best + 1 == values.size() || values[best] <= 0.0) return std::nullopt;
    const double shift =
        static_cast<double>(best) - search + Vertex(values, best) + static_cast<double>(start) - line * lineSamples;
    return LineShift{static_cast<double>(line), shift, values[best]};
}

// The shifts' slope over the lines, each weighed by its clarity.
double WeightedSlope(const std::vector<LineShift>& shifts) {
    double weight = 0.0, meanLine = 0.0, meanShift = 0.0;
    for (const LineShift& shift : shifts) {
        weight += shift.weight;
        meanLine += shift.weight * shift.line;
        meanShift += shift.weight * shift.shift;
    }
    meanLine /= weight;
    meanShift /= weight;
    double covariance = 0.0, variance = 0.0;
    for (const LineShift& shift : shifts) {
        covariance += shift.weight * (shift.line - meanLine) * (shift.shift - meanShift);
        variance += shift.weight * (shift.line - meanLine) * (shift.line - meanLine);
    }
    return variance > 0.0 ? covariance / variance : 0.0;
}

// The line's length from where each line lies against the picture folded at
// the length found so far: a straight fit through all lines' shifts, where
// a correlation over some lines apart rests on the few that overlap. A length
// borne out over fewer lines than the picture has (a weak signal's
// correlation gave out early) is fitted over the first lines, then over twice
// as many, until the shifts stay within the search over all of them. How
// clearly the lines showed against the fold in the last pass tells a length
// that folds the picture sharply from one that does not.
struct Fitted {
    double lineSamples;
    double clarity;
};

Fitted LineSamplesFromFit(std::span<const float> edges, Narrowed narrowed) {
    const int lines = static_cast<int>((static_cast<double>(edges.size()) - narrowed.lineSamples) /
                                       narrowed.lineSamples) - 1;
    Fitted fit{narrowed.lineSamples, 0.0};
    double& lineSamples = fit.lineSamples;
    if (lines < kLeastFitLines) return fit;
    for (int fitted = std::max(kFirstFitLines, 2 * narrowed.overLines);; fitted *= 2) {
        fitted = std::min(fitted, lines);
        // Where the length's error blurs the fold (a weak signal), a pass
        // gains only part of the way.
        for (int pass = 0; pass < kMostFitPasses; ++pass) {
            const std::vector<double> fold = FoldedEdges(edges, lineSamples, fitted);
            std::vector<LineShift> shifts;
            for (int line = 0; line < fitted; ++line) {
                if (const auto shift = ShiftAgainstFold(edges, fold, lineSamples, line, kFitSearch)) {
                    shifts.push_back(*shift);
                }
            }
            // Too few lines show: a wider stretch may show enough.
            if (static_cast<int>(shifts.size()) < kLeastFitLines) {
                fit.clarity = 0.0;
                break;
            }
            const double change = WeightedSlope(shifts);
            lineSamples += change;
            fit.clarity = 0.0;
            for (const LineShift& shift : shifts) fit.clarity += shift.weight;
            if (pass + 1 >= kFitPasses && std::abs(change) * fitted < kFitSettled) break;
        }
        if (fitted == lines) return fit;
    }
}

// The line's length from the picture: the correlation's steps bring it close
// enough for the fit to search each line's shift in a few samples.
double LineSamplesFromPicture(std::span<const float> brightness, double lineSamples, std::size_t firstStep,
                              int firstSearch) {
    const std::vector<float> edges = Edges(brightness);
    std::vector<Narrowed> candidates = LineSamplesFromCorrelation(edges, lineSamples, firstStep, firstSearch);
    // The correlation gave out: the whole picture's fold, searched over the
    // clock's tolerance, may still see what pairs of lines could not.
    if (candidates.size() > 1 || candidates.front().overLines == 0) {
        const double sharpest = SharpestFoldLength(edges, lineSamples, kClockTolerance * lineSamples);
        candidates.push_back({sharpest, static_cast<int>(static_cast<double>(edges.size()) / sharpest)});
    }
    Fitted best{lineSamples, -1.0};
    for (const Narrowed& narrowed : candidates) {
        const Fitted fitted = LineSamplesFromFit(edges, narrowed);
        if (fitted.clarity > best.clarity) best = fitted;
    }
    return best.lineSamples;
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
            change[index] += std::abs(GreyIfUnknown(picture[start + index]) - GreyIfUnknown(picture[before + index]));
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
        const bool believed = std::abs(phasing->pulses.slope / nominal - 1.0) <= kClockTolerance;
        timing.lineSamples = believed ? phasing->pulses.slope : nominal;
        if (pictureStart < static_cast<double>(brightness.size())) {
            const auto from = static_cast<std::size_t>(std::max(0.0, pictureStart));
            // From a shorter span where the phasing's error would reach too far.
            // Where its length is not believed, the clock's tolerance bounds the error.
            std::size_t firstStep = kFirstStepAfterPhasing;
            const double lineError = believed ? kPhasingErrors * phasing->pulses.slopeError : kClockTolerance * nominal;
            const auto reach = [&](std::size_t step) {
                return kLagSearch + static_cast<int>(std::ceil(lineError * kCorrelationSpans[step]));
            };
            while (firstStep > 0 && reach(firstStep) > kWidestLagSearch) --firstStep;
            timing.lineSamples = LineSamplesFromPicture(brightness.subspan(from), timing.lineSamples, firstStep,
                                                        std::min(kWidestLagSearch, reach(firstStep)));
        }
        // Taken on from the phasing's mean pulse, where its fit is surest.
        const double middle = phasing->pulses.start + phasing->pulses.slope * phasing->meanLine;
        timing.firstLine = middle + timing.lineSamples * (phasing->lastLine + 1 - phasing->meanLine) -
                           mode.phasingPulseShare * timing.lineSamples / 2.0;
        timing.phased = true;
        timing.phasingLines = static_cast<int>(phasing->lastLine) + 1;
        return timing;
    }
    // The clock's tolerance is under a sample a line.
    timing.lineSamples = LineSamplesFromPicture(brightness, nominal, 0, kLagSearch);
    if (static_cast<double>(brightness.size()) > 2.0 * timing.lineSamples) {
        timing.firstLine = StillestColumn(brightness, timing.lineSamples);
    }
    return timing;
}

}  // namespace zorbel::decoder
