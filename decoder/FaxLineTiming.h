#pragma once
// Where a received chart's lines start and how long they are, in samples of
// brightness: from the phasing lines (each with its white pulse at the
// line's start) where they were received, and from the picture itself, whose
// lines are alike from one to the next: its correlation over many lines (or,
// where a weak signal cuts that short, the length at which the whole picture
// folds most sharply), then a straight fit through where each line lies
// against all of them folded, finds the line's length so closely that a sound
// card's clock off by a few hundred millionths still gives a straight
// picture. Without phasing, the line's start is put in the stillest stretch
// of the picture's columns, where a chart's margin lies. An unknown
// brightness counts as the middle grey.

#include <span>

#include "decoder/FaxMode.h"

namespace zorbel::decoder {

struct FaxLineTiming {
    // The picture's first line starts here (may be below 0: a line begun
    // before the reception).
    double firstLine = 0.0;
    double lineSamples = 0.0;
    // The phasing lines gave the line's start.
    bool phased = false;
    int phasingLines = 0;

    int Lines(std::size_t brightnessSamples) const {
        const double lines = (static_cast<double>(brightnessSamples) - firstLine) / lineSamples;
        return lines > 0.0 ? static_cast<int>(lines) : 0;
    }
};

FaxLineTiming FindLineTiming(std::span<const float> brightness, const FaxMode& mode, double brightnessRate);

}  // namespace zorbel::decoder
