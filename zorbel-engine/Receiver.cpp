#include "zorbel-engine/Receiver.h"

#include <algorithm>

#include "decoder/ToneLevel.h"

namespace zorbel::engine_side {
namespace {

constexpr double kLineSeconds = kPictureIntervalMs / 1000.0;
// At most this many lines per picture, so that a recording played fast costs bounded
// spectrum work; the older lines of a longer stretch are left out.
constexpr std::size_t kMostLinesPerFrame = 40;

int SpectrumSizeFor(double sampleRate) {
    int size = 256;
    while (size < sampleRate / 8) size *= 2;  // bins of at most 8 Hz
    return size;
}

}  // namespace

// NAVTEX's lower tone at the mark set, where the user put it as for RTTY; a carrier beside it is notched as for RTTY.
std::unique_ptr<decoder::SitorBDecoder> Receiver::NavtexDecoder() const {
    auto decoder = std::make_unique<decoder::SitorBDecoder>(
        decoder::NavtexMode(mode_.markHz + decoder::NavtexMode().shiftHz / 2), sampleRate_);
    decoder->SetNotches(notchHz_[0], notchHz_[1]);
    return decoder;
}

Receiver::Receiver(const decoder::RttyMode& mode, decoder::DecoderOptions options, double sampleRate, bool findMode)
    : mode_(mode),
      options_(options),
      findMode_(findMode),
      sampleRate_(sampleRate),
      conditioner_(sampleRate),
      search_(sampleRate) {
    Restart(sampleRate);
}

std::string Receiver::Decode(std::span<const float> input, double sampleRate) {
    if (input.empty()) return "";
    if (sampleRate != sampleRate_) Restart(sampleRate);
    // The picture shows what the decoder hears: a click cut, NaN silent.
    conditioned_.assign(input.begin(), input.end());
    conditioner_.Condition(conditioned_);
    const std::span<const float> samples = conditioned_;
    sinceLine_ += samples.size();
    linesDue_ = std::min(linesDue_ + sinceLine_ / lineSamples_, kMostLinesPerFrame);
    sinceLine_ %= lineSamples_;
    const std::size_t keep = static_cast<std::size_t>(spectrum_->Size()) + kMostLinesPerFrame * lineSamples_;
    const auto tail = samples.size() > keep ? samples.subspan(samples.size() - keep) : samples;
    recent_.insert(recent_.end(), tail.begin(), tail.end());
    if (recent_.size() > keep) recent_.erase(recent_.begin(), recent_.end() - static_cast<std::ptrdiff_t>(keep));
    if (fax_) {
        fax_->Listen(samples);
        return "";
    }
    // NAVTEX's decoder follows its tones itself, and only near the mark set.
    if (navtex_) return sitorB_->Decode(samples);
    std::string text = decoder_->Decode(samples);
    if (findMode_) return text;
    if (const auto markHz = search_.Hear(samples, !text.empty(), mode_.markHz, mode_.shiftHz)) {
        // A new signal elsewhere: read from its start at its tones.
        mode_.markHz = *markHz;
        RestartDecoder();
        text += decoder_->Decode(search_.Heard());
    }
    return text;
}

std::string Receiver::Finish() {
    if (fax_) {
        fax_->Finish();
        return "";
    }
    if (!navtex_) return decoder_->Finish();
    std::string text = sitorB_->Finish();
    // Listening afresh, as the RTTY decoder does after a recording's end.
    sitorB_ = NavtexDecoder();
    return text;
}

void Receiver::SetNavtex(bool navtex) {
    navtex_ = navtex;
    Restart(sampleRate_);
}

void Receiver::SetFax(std::optional<decoder::FaxMode> mode, UtcSeconds audioStart) {
    faxMode_ = mode;
    faxStart_ = audioStart;
    Restart(sampleRate_);
}

double Receiver::MarkToneHz() const {
    if (faxMode_) return faxMode_->FrequencyHz(0.0);
    return TonesKnown() ? ListenedMode().MarkToneHz() : 0.0;
}

double Receiver::SpaceToneHz() const {
    if (faxMode_) return faxMode_->FrequencyHz(1.0);
    return TonesKnown() ? ListenedMode().SpaceToneHz() : 0.0;
}

bool Receiver::TonesKnown() const {
    if (faxMode_) return true;
    return navtex_ ? sitorB_->Locked() : ModeSource() != ModeState::Deciding;
}

void Receiver::SetMode(const decoder::RttyMode& mode) {
    mode_ = mode;
    Restart(sampleRate_);
}

void Receiver::SetUnshiftOnSpace(bool unshiftOnSpace) {
    options_.unshiftOnSpace = unshiftOnSpace;
    Restart(sampleRate_);
}

void Receiver::SetFindPolarity(bool findPolarity) {
    options_.findPolarity = findPolarity;
    Restart(sampleRate_);
}

void Receiver::SetFindMode(bool findMode) {
    findMode_ = findMode;
    Restart(sampleRate_);
}

decoder::RttyMode Receiver::ListenedMode() const {
    if (!navtex_) return decoder_->Mode();
    auto mode = decoder::NavtexMode();
    mode.markHz = sitorB_->MarkHz();
    return mode;
}

decoder::RttyMode Receiver::ReadMode() const {
    if (navtex_) return ListenedMode();
    if (decoder_->ModeKnown() && findMode_) return decoder_->Mode();
    auto read = mode_;
    read.reversed = decoder_->Mode().reversed;
    return read;
}

ModeState Receiver::ModeSource() const {
    if (navtex_) return ModeState::Chosen;
    if (!findMode_) return ModeState::Chosen;
    return decoder_->ModeKnown() ? ModeState::Found : ModeState::Deciding;
}

PolarityState Receiver::Polarity() const {
    if (navtex_) return sitorB_->Locked() ? PolarityState::Found : PolarityState::Deciding;
    if (!options_.findPolarity) return PolarityState::Chosen;
    return decoder_->PolarityKnown() ? PolarityState::Found : PolarityState::Deciding;
}

void Receiver::SetNotches(double firstHz, double secondHz) {
    notchHz_[0] = firstHz;
    notchHz_[1] = secondHz;
    decoder_->SetNotches(firstHz, secondHz);
    if (sitorB_) sitorB_->SetNotches(firstHz, secondHz);
}

SignalFrame Receiver::TakeFrame() {
    // Half a bit, so that most stretches lie inside one bit and show one tone.
    const auto count = std::min(recent_.size(), static_cast<std::size_t>(sampleRate_ / ListenedMode().baud / 2));
    const std::span<const float> lastHalfBit(recent_.data() + recent_.size() - count, count);
    // Each line from the samples up to its end; lines older than the kept samples stay dark.
    const auto bins = static_cast<std::size_t>(spectrum_->Size() / 2);
    waterfallDb_.assign(linesDue_ * bins, -200.0f);
    for (std::size_t line = 0; line < linesDue_; ++line) {
        const std::size_t back = sinceLine_ + (linesDue_ - 1 - line) * lineSamples_;
        if (back >= recent_.size()) continue;
        const auto power = spectrum_->PowerDb(std::span<const float>(recent_).first(recent_.size() - back));
        std::copy(power.begin(), power.end(), waterfallDb_.begin() + static_cast<std::ptrdiff_t>(line * bins));
    }
    linesDue_ = 0;
    SignalFrame frame{spectrum_->PowerDb(recent_), spectrum_->BinHz(), waterfallDb_, MarkToneHz(), SpaceToneHz()};
    if (!TonesKnown()) return frame;
    frame.markLevelDb = decoder::ToneLevelDb(lastHalfBit, frame.markToneHz, sampleRate_);
    frame.spaceLevelDb = decoder::ToneLevelDb(lastHalfBit, frame.spaceToneHz, sampleRate_);
    return frame;
}

void Receiver::RestartDecoder() {
    decoder_ = std::make_unique<decoder::ModeFindingDecoder>(
        mode_, sampleRate_, options_, decoder::SearchedParts{.baud = findMode_, .shift = findMode_});
    decoder_->SetNotches(notchHz_[0], notchHz_[1]);
    sitorB_ = navtex_ ? NavtexDecoder() : nullptr;
    fax_ = faxMode_ ? std::make_unique<FaxReceiver>(*faxMode_, sampleRate_, faxStart_) : nullptr;
    search_.Restart();
}

void Receiver::Restart(double sampleRate) {
    sampleRate_ = sampleRate;
    if (!spectrum_ || spectrum_->BinHz() * spectrum_->Size() != sampleRate) {
        spectrum_ = std::make_unique<decoder::Spectrum>(SpectrumSizeFor(sampleRate), sampleRate);
        recent_.clear();
        conditioner_ = decoder::InputConditioner(sampleRate);
        search_ = NewSignalSearch(sampleRate);
    }
    RestartDecoder();
    lineSamples_ = std::max<std::size_t>(1, static_cast<std::size_t>(kLineSeconds * sampleRate));
    sinceLine_ = 0;
    linesDue_ = 0;
}

}  // namespace zorbel::engine_side
