#pragma once
// The signal path behind the engine window: the input made safe to listen
// to, the decoder in the chosen mode with its notches (finding baud and
// shift, and the polarity, from the signal unless chosen), moved to a new
// signal that starts elsewhere while it reads nothing (the search for the
// mode looks over the whole band itself), restarted when the
// sample rate changes, and the latest samples for the picture of the signal.
// NAVTEX (SITOR-B) is read instead of RTTY when chosen: its lower tone at the
// mark set, its decoder finding the tones within 100 Hz and the polarity, the
// notches taking out carriers as for RTTY. The waterfall gets a line per
// stretch of audio rather than per picture, so that a recording played fast
// leaves its tones in the waterfall as one played in real time does.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "decoder/InputConditioner.h"
#include "decoder/ModeFindingDecoder.h"
#include "decoder/SitorBDecoder.h"
#include "decoder/Spectrum.h"
#include "zorbel-engine/FaxReceiver.h"
#include "zorbel-engine/NewSignalSearch.h"
#include "zorbel-engine/PolarityState.h"
#include "zorbel-engine/SignalFrame.h"

namespace zorbel::engine_side {

class Receiver {
public:
    // options.findPolarity: mode.reversed is only where finding it starts.
    // findMode: baud, shift and tones are found from the signal.
    Receiver(const decoder::RttyMode& mode, decoder::DecoderOptions options, double sampleRate, bool findMode = false);

    // The characters completed by these samples, 8-bit as MMTTY posts them.
    std::string Decode(std::span<const float> samples, double sampleRate);
    // The input ended (a recording played through): the characters its last
    // samples complete, read without waiting for what would follow. The
    // decoder then listens afresh, its mode and polarity undecided again.
    std::string Finish();

    void SetMode(const decoder::RttyMode& mode);
    void SetUnshiftOnSpace(bool unshiftOnSpace);
    void SetFindPolarity(bool findPolarity);
    void SetFindMode(bool findMode);
    void SetNotches(double firstHz, double secondHz);
    // NAVTEX instead of RTTY; the RTTY settings are kept for when it is left.
    void SetNavtex(bool navtex);
    bool Navtex() const { return navtex_; }
    bool NavtexLocked() const { return navtex_ && sitorB_->Locked(); }
    // Weather charts by radiofax instead (none: not), heard from audioStart on; RTTY's and NAVTEX's settings are
    // kept. The picture goes on, with the black and white frequencies for mark and space; no characters come.
    void SetFax(std::optional<decoder::FaxMode> mode, UtcSeconds audioStart);
    FaxReceiver* Fax() { return fax_.get(); }
    const std::optional<decoder::FaxMode>& FaxMode() const { return faxMode_; }
    // The mode as set (its mark moved to a new signal found), and as read: with baud, shift, tones and polarity
    // found, or chosen. Reading NAVTEX, the mode read is NAVTEX's at the tones followed (mark on the higher tone,
    // as NavtexMode counts), its polarity found once locked.
    const decoder::RttyMode& Mode() const { return mode_; }
    decoder::RttyMode ReadMode() const;
    PolarityState Polarity() const;
    ModeState ModeSource() const;
    bool FindsMode() const { return findMode_; }
    bool UnshiftOnSpace() const { return options_.unshiftOnSpace; }
    bool FindsPolarity() const { return options_.findPolarity; }
    double FirstNotchHz() const { return notchHz_[0]; }
    double SecondNotchHz() const { return notchHz_[1]; }

    // As MMTTY counts them: mark the lower tone (following the signal), space one shift above.
    double MarkHz() const { return navtex_ ? sitorB_->MarkHz() : decoder_->MarkHz(); }
    double SpaceHz() const { return MarkHz() + ListenedMode().shiftHz; }
    // The tones that carry mark and space in the polarity read; none (0) while
    // baud and shift are still being found, as the tones set are no guide then.
    // Reading NAVTEX, none until it locks.
    double MarkToneHz() const;
    double SpaceToneHz() const;

    // The picture of the latest samples with the waterfall lines due since
    // the last call (the newest few when many are); valid until the next call.
    SignalFrame TakeFrame();

private:
    bool TonesKnown() const;
    // The mode the decoder in use listens in, its tones as followed.
    decoder::RttyMode ListenedMode() const;
    void Restart(double sampleRate);
    void RestartDecoder();
    std::unique_ptr<decoder::SitorBDecoder> NavtexDecoder() const;

    decoder::RttyMode mode_;
    decoder::DecoderOptions options_;
    bool findMode_;
    double notchHz_[2] = {0.0, 0.0};
    double sampleRate_;
    decoder::InputConditioner conditioner_;
    std::vector<float> conditioned_;
    std::unique_ptr<decoder::ModeFindingDecoder> decoder_;
    bool navtex_ = false;
    std::unique_ptr<decoder::SitorBDecoder> sitorB_;  // none while RTTY is read
    std::optional<decoder::FaxMode> faxMode_;
    UtcSeconds faxStart_ = 0;
    std::unique_ptr<FaxReceiver> fax_;  // none unless radiofax is read
    NewSignalSearch search_;
    std::unique_ptr<decoder::Spectrum> spectrum_;
    std::vector<float> recent_;        // enough for the spectrum of every line still to show
    std::size_t lineSamples_ = 0;      // audio per waterfall line
    std::size_t sinceLine_ = 0;        // samples after the newest line's end
    std::size_t linesDue_ = 0;         // lines ended since the last picture
    std::vector<float> waterfallDb_;
};

}  // namespace zorbel::engine_side
