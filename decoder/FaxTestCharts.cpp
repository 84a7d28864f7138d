#include "decoder/FaxTestCharts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

namespace zorbel::decoder {
namespace {

// Figures and the letters a chart marks its centres with, 5 by 7 dots, the
// top row first, the leftmost dot the highest bit.
struct Glyph {
    char sign;
    std::array<std::uint8_t, 7> rows;
};
constexpr Glyph kGlyphs[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
};
// Each dot so many elements square: figures 21 elements high, as on a chart
// of 1809 elements.
constexpr int kDot = 3;

void Dot(GreyImage& chart, int column, int row, int size, std::uint8_t grey = 0) {
    for (int y = std::max(0, row); y < std::min(chart.height, row + size); ++y) {
        for (int x = std::max(0, column); x < std::min(chart.width, column + size); ++x) chart.At(x, y) = grey;
    }
}

void Text(GreyImage& chart, const std::string& text, int column, int row) {
    for (const char sign : text) {
        const auto glyph = std::find_if(std::begin(kGlyphs), std::end(kGlyphs),
                                        [sign](const Glyph& candidate) { return candidate.sign == sign; });
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 5; ++x) {
                if ((glyph->rows[y] >> (4 - x)) & 1) Dot(chart, column + x * kDot, row + y * kDot, kDot);
            }
        }
        column += 6 * kDot;
    }
}

// An isobar around a centre: an ellipse bent by a slow wave, its pressure
// written on it at the widest point.
void Isobar(GreyImage& chart, double centreX, double centreY, double radiusX, double radiusY, double wave,
            int pressure) {
    constexpr int kSteps = 4000;
    for (int step = 0; step < kSteps; ++step) {
        const double angle = 2.0 * std::numbers::pi * step / kSteps;
        const double bend = 1.0 + wave * std::sin(3.0 * angle);
        Dot(chart, static_cast<int>(centreX + radiusX * bend * std::cos(angle)),
            static_cast<int>(centreY + radiusY * bend * std::sin(angle)), 3);
    }
    const int labelX = static_cast<int>(centreX + radiusX) - 36;
    const int labelY = static_cast<int>(centreY) - 10;
    for (int y = labelY - 3; y < labelY + 25; y += 4) {
        for (int x = labelX - 3; x < labelX + 75; x += 4) Dot(chart, x, y, 4, 255);
    }
    Text(chart, std::to_string(pressure), labelX, labelY);
}

// Over the received rows from fromRow to toRow that the sent chart has, each
// received column compared with the sent one shift columns to its left
// (circularly, as a line's start found off moves the whole line round).
double Correlation(const GreyImage& sent, const GreyImage& received, int offset, int shift, int fromRow, int toRow) {
    double sumSent = 0, sumReceived = 0, sumProduct = 0, sumSentSquare = 0, sumReceivedSquare = 0, count = 0;
    const int firstSentColumn = ((-shift) % sent.width + sent.width) % sent.width;
    for (int row = std::max(fromRow, -offset); row < std::min(toRow, received.height) && row + offset < sent.height;
         ++row) {
        int sentColumn = firstSentColumn;
        for (int column = 0; column < sent.width; ++column) {
            const double a = sent.At(sentColumn, row + offset), b = received.At(column, row);
            if (++sentColumn == sent.width) sentColumn = 0;
            sumSent += a;
            sumReceived += b;
            sumProduct += a * b;
            sumSentSquare += a * a;
            sumReceivedSquare += b * b;
            ++count;
        }
    }
    if (count == 0) return 0.0;
    const double covariance = sumProduct - sumSent * sumReceived / count;
    const double spread =
        (sumSentSquare - sumSent * sumSent / count) * (sumReceivedSquare - sumReceived * sumReceived / count);
    return spread > 0.0 ? covariance / std::sqrt(spread) : 0.0;
}

}  // namespace

ChartMatch MatchChart(const GreyImage& sent, const GreyImage& received, int largestOffset) {
    ChartMatch best{-2.0, 0};
    for (int offset = -largestOffset; offset <= largestOffset; ++offset) {
        const double correlation = Correlation(sent, received, offset, 0, 0, received.height);
        if (correlation > best.correlation) best = {correlation, offset};
    }
    return best;
}

ColumnMatch ColumnShift(const GreyImage& sent, const GreyImage& received, const ChartMatch& match, int fromRow,
                        int toRow) {
    ColumnMatch best{0, -2.0};
    for (int shift = -(sent.width - 1) / 2; shift <= sent.width / 2; ++shift) {
        const double correlation = Correlation(sent, received, match.firstRow, shift, fromRow, toRow);
        if (correlation > best.correlation) best = {shift, correlation};
    }
    return best;
}

GreyImage MakeTestChart(int width, int height, std::uint32_t seed) {
    GreyImage chart(width, height);
    std::mt19937 random(seed);
    const auto uniform = [&](double low, double high) {
        return low + (high - low) * static_cast<double>(random()) / static_cast<double>(random.max());
    };
    // The grid: meridians bending a little as on a polar projection, parallels.
    const int wedgeHeight = std::min(60, height / 8);
    const int mapBottom = height - wedgeHeight;
    for (int row = 0; row < mapBottom; ++row) {
        for (int meridian = 1; meridian < 10; ++meridian) {
            const double lean = (meridian - 5) * 0.08 * row;
            Dot(chart, static_cast<int>(meridian * width / 10.0 + lean), row, 2);
        }
    }
    for (int parallel = 1; parallel * 150 < mapBottom; ++parallel) {
        for (int column = 0; column < width; ++column) Dot(chart, column, parallel * 150, 2);
    }
    // Lows and highs with their isobars, 5 hPa apart.
    const int centres = std::max(1, height * width / 400000);
    for (int centre = 0; centre < centres; ++centre) {
        const double x = uniform(0.1, 0.9) * width, y = uniform(0.1, 0.9) * mapBottom;
        const bool high = random() % 2 == 0;
        const int core = high ? 1030 : 990;
        for (int ring = 1; ring <= 5; ++ring) {
            const double radius = ring * uniform(40.0, 70.0);
            Isobar(chart, x, y, radius * uniform(1.0, 1.8), radius, uniform(0.0, 0.15), core + (high ? -5 : 5) * ring);
        }
        Text(chart, high ? "H" : "T", static_cast<int>(x) - 7, static_cast<int>(y) - 10);
    }
    // The frame, and the grey wedge beneath the map.
    for (int row = 0; row < height; ++row) {
        Dot(chart, 0, row, 4);
        Dot(chart, width - 4, row, 4);
    }
    for (int column = 0; column < width; ++column) {
        Dot(chart, column, 0, 4);
        Dot(chart, column, mapBottom - 4, 4);
    }
    for (int row = mapBottom; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            chart.At(column, row) = static_cast<std::uint8_t>(255 * (column * 11 / width) / 10);
        }
    }
    return chart;
}

}  // namespace zorbel::decoder
