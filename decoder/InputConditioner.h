#pragma once
// The first stage of the decoder chain, before anything that keeps running
// sums or learns levels: makes whatever a recording or a sound card delivers
// safe to listen to. A sample that is no number (NaN, infinity) counts as
// silence, so sums downstream stay finite. A sample far above the input's
// running level (a full-scale click on a weak recording) is cut to a few
// times that level, so that it is neither learnt as a tone level nor spread
// over the spectrum for seconds; since the level still rises with what is
// cut, a signal that really got louder is followed within a fraction of a
// second.

#include <span>

namespace zorbel::decoder {

class InputConditioner {
public:
    explicit InputConditioner(double sampleRate);

    // In place; blocks of any size, the level carries on between them.
    void Condition(std::span<float> samples);

private:
    double averaged_;     // how many samples the running mean square averages over once settled
    double taken_ = 0.0;  // samples so far, up to averaged_
    double meanSquare_;
};

}  // namespace zorbel::decoder
