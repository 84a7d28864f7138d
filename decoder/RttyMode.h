#pragma once
// The parameters of one RTTY transmission, shared by the decoder and the
// signal generator so that both agree on which tone means mark.

namespace zorbel::decoder {

struct RttyMode {
    double baud = 45.45;
    double shiftHz = 170.0;
    // The tone that carries mark in normal polarity; space lies one shift
    // above it, as MMTTY counts (mark 2125 Hz, space 2295 Hz).
    double markHz = 2125.0;
    // Reversed polarity swaps the two tones, as a lower-sideband receiver
    // tuned to an upper-sideband transmission (or the reverse) sees them.
    bool reversed = false;
    double stopBits = 1.5;

    double MarkToneHz() const { return reversed ? markHz + shiftHz : markHz; }
    double SpaceToneHz() const { return reversed ? markHz : markHz + shiftHz; }
};

}  // namespace zorbel::decoder
