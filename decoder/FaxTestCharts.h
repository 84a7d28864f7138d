#pragma once
// Weather charts made from code for the radiofax tests and the benchmark:
// a frame with a grid of latitude and longitude, isobar-like closed curves
// labelled with their pressure in figures at a real chart's size, highs and
// lows marked, and a grey wedge of eleven steps along the foot; and a chart
// received compared with the one sent.

#include <cstdint>

#include "decoder/GreyImage.h"

namespace zorbel::decoder {

// The same seed gives the same chart.
GreyImage MakeTestChart(int width, int height, std::uint32_t seed);

// How a received chart of the sent one's width lines up with it: its first
// row is the sent one's firstRow (below 0: rows received before the
// picture), chosen within largestOffset rows for the best correlation
// coefficient of the grey levels where both have rows.
struct ChartMatch {
    double correlation = 0.0;
    int firstRow = 0;
};
ChartMatch MatchChart(const GreyImage& sent, const GreyImage& received, int largestOffset);

// How many elements the received rows fromRow to toRow, lined up with the
// sent chart as match says, lie to the right of it (their lines started that
// much early; below 0, late): the circular shift with the best correlation,
// and that correlation. Its change down the chart is the slant left.
struct ColumnMatch {
    int shift = 0;
    double correlation = 0.0;
};
ColumnMatch ColumnShift(const GreyImage& sent, const GreyImage& received, const ChartMatch& match, int fromRow,
                        int toRow);

}  // namespace zorbel::decoder
