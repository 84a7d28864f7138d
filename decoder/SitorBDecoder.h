#pragma once
// Decodes SITOR-B (NAVTEX) from audio samples. The front end is the RTTY
// decoder's: the notches take out carriers the user named, a watch on the
// spectrum follows a signal up to 100 Hz off the tones set and its drift, the
// demodulator measures both tones over one bit, and the tone levels weigh each bit by how likely mark or space sent
// makes its magnitudes, so a fading tone still counts. The bits come
// without start or stop bits, one every 10 ms: the timing takes a bit where
// the window holds it alone and moves with every change between two bits,
// its rate too, so a sender half a per cent off is followed. The soft bits
// go to the FEC reader, which finds the characters, the polarity and both
// copies of each character (see FecReader).

#include <span>
#include <string>

#include "decoder/FecReader.h"
#include "decoder/FskDemodulator.h"
#include "decoder/NotchFilter.h"
#include "decoder/RttyMode.h"
#include "decoder/SignalWatch.h"
#include "decoder/ToneHistory.h"
#include "decoder/ToneLevels.h"

namespace zorbel::decoder {

// NAVTEX around a centre: 100 Bd, 170 Hz, 1 (the B state, mark) on the
// higher tone, as a receiver in upper sideband hears it (and fldigi reads
// it); RttyMode counts mark on the lower tone, so this is its reversed
// polarity. The decoder finds the polarity itself.
RttyMode NavtexMode(double centreHz = 1000.0);

class SitorBDecoder {
public:
    SitorBDecoder(const RttyMode& mode, double sampleRate);

    // The characters read by these samples, as MMTTY posts them (CR and LF
    // as 13 and 10, '*' for a character lost). Samples may come in blocks of
    // any size.
    std::string Decode(std::span<const float> samples);
    // The input ended: the last characters are read from what came.
    std::string Finish();
    // As the RTTY decoder's: 0 leaves a notch off; from the following samples on.
    void SetNotches(double firstHz, double secondHz) { notches_.Set(firstHz, secondHz, sampleRate_); }

    bool Locked() const { return reader_.Locked(); }
    // The mark tone listened to now (it follows the signal).
    double MarkHz() const { return mode_.markHz; }

private:
    void ReadBit(std::string& text);
    // How far the change between the last bit and this one lies from
    // halfway between them, in samples; nothing if not found.
    std::optional<double> ChangeOff(std::int64_t before, std::int64_t end, bool toMark) const;
    void FollowNoise(ToneMagnitudes tones);

    RttyMode mode_;
    double sampleRate_;
    NotchPair notches_;
    SignalWatch watch_;
    FskDemodulator demodulator_;
    ToneHistory history_;
    ToneLevels levels_;
    FecReader reader_;
    double nominalBitLength_;
    double bitLength_;
    // Where the window holds the next bit alone: the sample it ends at.
    double nextBitEnd_;
    std::int64_t lastBitEnd_ = -1;
    bool lastMark_ = false;
    double noise_ = 0.0;
    unsigned noiseLearnt_ = 0;
};

}  // namespace zorbel::decoder
