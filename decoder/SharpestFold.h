#pragma once
// The line length at which a whole picture folds most sharply: the energy of
// the mean line, taken at each length within a range, is the sum of the
// picture's autocorrelation at every multiple of that length (each pair of
// lines some lines apart meets there). One autocorrelation by FFT serves
// every length tried, so the whole picture speaks where a weak signal leaves
// each line too noisy to place by itself.

#include <span>

namespace zorbel::decoder {

// Of the lengths within lineSamples ± range (in samples of `signal`, whose
// mean is about 0), the sharpest.
double SharpestFoldLength(std::span<const float> signal, double lineSamples, double range);

}  // namespace zorbel::decoder
