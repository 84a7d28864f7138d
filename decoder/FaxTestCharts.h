#pragma once
// Weather charts made from code for the radiofax tests and the benchmark:
// a frame with a grid of latitude and longitude, isobar-like closed curves
// labelled with their pressure in figures at a real chart's size, highs and
// lows marked, and a grey wedge of eleven steps along the foot.

#include <cstdint>

#include "decoder/GreyImage.h"

namespace zorbel::decoder {

// The same seed gives the same chart.
GreyImage MakeTestChart(int width, int height, std::uint32_t seed);

}  // namespace zorbel::decoder
