#pragma once
// Decodes RTTY from audio samples: the demodulator's soft bits are framed
// into characters (start bit, five data bits, stop bit) and read as ITA2.
// Every character finds its own start edge, so timing needs no lock-in and
// survives gaps in the signal.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "decoder/FskDemodulator.h"
#include "decoder/Ita2.h"
#include "decoder/RttyMode.h"

namespace zorbel::decoder {

class RttyDecoder {
public:
    RttyDecoder(const RttyMode& mode, double sampleRate, bool unshiftOnSpace = false);

    // The characters completed by these samples, in 8-bit form as MMTTY posts
    // them. Samples may come in blocks of any size.
    std::string Decode(std::span<const float> samples);

private:
    float SoftBit(std::int64_t index) const { return softBits_[static_cast<std::size_t>(index) & mask_]; }
    // Looks for start edges in the soft bits received so far and reads every
    // character that is complete.
    void ReadCharacters(std::string& text);

    FskDemodulator demodulator_;
    Ita2Reader reader_;
    double bitLength_;
    double halfWindow_;
    // The soft bits of the last few characters, so that a start edge that
    // turns out false lets the search resume right after it.
    std::vector<float> softBits_;
    std::size_t mask_;
    std::int64_t received_ = 0;
    // The next soft bit at which a start edge may end.
    std::int64_t searchFrom_ = 1;
};

}  // namespace zorbel::decoder
