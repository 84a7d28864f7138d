#include "decoder/RttyDecoder.h"

#include <algorithm>

namespace zorbel::decoder {
namespace {

// Characters in a row framed right that settle the polarity, while the other
// one frames at most the second figure in a row: the other polarity frames
// random text right about half the time.
constexpr int kSureCharacters = 8;
constexpr int kOtherAtMost = 2;
// As many where the polarity sees one tone faded: the other polarity may
// then be unable to start a run at all, its start bits on the faded tone.
constexpr int kSureCharactersFaded = 16;

}  // namespace

RttyDecoder::RttyDecoder(const RttyMode& mode, double sampleRate, DecoderOptions options)
    : mode_(mode),
      sampleRate_(sampleRate),
      options_(options),
      watch_(mode, sampleRate),
      demodulator_(mode, sampleRate),
      history_(CharacterFramer::HistoryNeeded(mode, sampleRate)) {
    Listen();
}

RttyMode RttyDecoder::Mode() const {
    RttyMode mode = mode_;
    mode.reversed = mode_.reversed != swapped_;
    return mode;
}

void RttyDecoder::Listen() {
    const CodeDecision decision =
        listeners_.empty() ? CodeDecision(options_.unshiftOnSpace) : Kept().decision.Afresh();
    listeners_.clear();
    for (const bool swapped : {false, true}) {
        if (swapped && !options_.findPolarity) break;
        listeners_.push_back({CharacterFramer(mode_, sampleRate_, demodulator_.WindowLength(), swapped_ != swapped,
                                              history_.Received()),
                              decision, Ita2Reader(options_.unshiftOnSpace), swapped_ != swapped, ""});
    }
    heardSinceListening_ = false;
}

std::string RttyDecoder::Decode(std::span<const float> samples) {
    std::string text;
    for (float sample : samples) {
        sample = notches_.Next(sample);
        if (watch_.Add(sample)) {
            mode_.markHz = watch_.MarkHz();
            demodulator_.Retune(mode_, sampleRate_);
        }
        history_.Add(demodulator_.Next(sample));
        ReadCharacters(text);
    }
    return text;
}

void RttyDecoder::SetNotches(double firstHz, double secondHz) { notches_.Set(firstHz, secondHz, sampleRate_); }

void RttyDecoder::ReadCharacters(std::string& text, bool ending) {
    std::int64_t lastHeard = -1;
    for (Listener& listener : listeners_) {
        read_.clear();
        if (ending) {
            listener.framer.Finish(history_, read_);
        } else {
            listener.framer.Read(history_, read_);
        }
        codes_.clear();
        for (const SoftCode& read : read_) listener.decision.Add(read, codes_);
        // No character follows at once that could still change the ones held.
        if (ending || !listener.framer.InRun()) listener.decision.Flush(codes_);
        for (const std::uint8_t code : codes_) {
            if (const std::optional<char> character = listener.reader.Read(code)) {
                (PolarityKnown() ? text : listener.held) += *character;
            }
        }
        heardSinceListening_ |= !read_.empty();
        lastHeard = std::max(lastHeard, listener.framer.LastReadAt());
    }
    if (!PolarityKnown()) {
        // Sure of one polarity while the other frames poorly at the same time.
        const auto framed = [&](std::size_t index) { return listeners_[index].framer.FramedInARow(); };
        const auto framesSurely = [&](std::size_t index) {
            const int needed = listeners_[index].framer.ToneFaded() ? kSureCharactersFaded : kSureCharacters;
            return framed(index) >= needed && framed(1 - index) <= kOtherAtMost;
        };
        const auto sure = framesSurely(0)   ? listeners_.begin()
                          : framesSurely(1) ? listeners_.begin() + 1
                                            : listeners_.end();
        if (sure != listeners_.end()) {
            // Nothing read while deciding is lost.
            text += sure->held;
            sure->held.clear();
            swapped_ = sure->swapped;
            listeners_.erase(sure == listeners_.begin() ? listeners_.begin() + 1 : listeners_.begin());
        }
    }
    if (heardSinceListening_ && history_.Received() - lastHeard > kLongSilenceSeconds * sampleRate_) {
        // Still undecided (a short or weak transmission): what was read is
        // given rather than lost.
        text += Held();
        Listen();
    }
}

const RttyDecoder::Listener& RttyDecoder::Kept() const {
    if (PolarityKnown()) return listeners_[0];
    return listeners_[1].framer.Framed() > listeners_[0].framer.Framed() ? listeners_[1] : listeners_[0];
}

std::string RttyDecoder::Held() const {
    if (PolarityKnown()) return {};
    return Kept().held;
}

std::string RttyDecoder::Finish() {
    std::string text;
    ReadCharacters(text, true);
    text += Held();
    Listen();
    return text;
}

}  // namespace zorbel::decoder
