#pragma once
// Decodes RTTY in the mode told, or finds the baud and shift from the signal
// first (see ModeSearch): while searching it gives nothing; once a mode is
// found, a decoder in that mode reads what was heard since the transmission
// began, so its first characters are not lost, and reads on in it while the
// signal lasts. After a long silence, or at the end of the input, it
// searches afresh: the next transmission may come in another mode.

#include <memory>
#include <span>
#include <string>

#include "decoder/ModeSearch.h"
#include "decoder/RttyDecoder.h"

namespace zorbel::decoder {

class ModeFindingDecoder {
public:
    // parts: what is searched; nothing of baud and shift searched, it reads
    // in the mode told (the polarity is then the decoder's to find, as
    // options say). mode: what is told, and where the tones lie until found.
    ModeFindingDecoder(const RttyMode& mode, double sampleRate, DecoderOptions options, SearchedParts parts);

    // As RttyDecoder's.
    std::string Decode(std::span<const float> samples);
    std::string Finish();
    void SetNotches(double firstHz, double secondHz);

    // Whether baud and shift are known: told, or found.
    bool ModeKnown() const { return reading_ != nullptr; }
    bool PolarityKnown() const { return reading_ && reading_->PolarityKnown(); }
    // The mode read, once known; before, the mode told.
    RttyMode Mode() const { return reading_ ? reading_->Mode() : mode_; }
    double MarkHz() const { return Mode().markHz; }
    bool SearchesMode() const { return parts_.baud || parts_.shift; }

private:
    void Search();
    // Reads what the search heard in the mode found (or likeliest).
    std::string Read(const RttyMode& mode);

    RttyMode mode_;
    double sampleRate_;
    DecoderOptions options_;
    SearchedParts parts_;
    double notchHz_[2] = {0.0, 0.0};
    std::unique_ptr<ModeSearch> search_;
    std::unique_ptr<RttyDecoder> reading_;
};

}  // namespace zorbel::decoder
