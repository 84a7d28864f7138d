#pragma once
// A received chart drawn from its brightness: each line's elements the mean
// known brightness over their share of the line, or where none is known (the
// signal had faded) the element above. Drawn afresh for another line
// length or start, it straightens a slanted chart or moves its edge.

#include <span>

#include "decoder/FaxLineTiming.h"
#include "decoder/GreyImage.h"

namespace zorbel::decoder {

// The lines the brightness holds in full, `elements` wide.
GreyImage DrawChart(std::span<const float> brightness, const FaxLineTiming& timing, int elements);

}  // namespace zorbel::decoder
