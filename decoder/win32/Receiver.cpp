#include "decoder/win32/Receiver.h"

#include <algorithm>

#include "decoder/win32/ToneLevel.h"

namespace zorbel::engine_side {
namespace {

int SpectrumSizeFor(double sampleRate) {
    int size = 256;
    while (size < sampleRate / 8) size *= 2;  // bins of at most 8 Hz
    return size;
}

}  // namespace

Receiver::Receiver(const decoder::RttyMode& mode, double sampleRate) : mode_(mode), sampleRate_(sampleRate) {
    Restart(sampleRate);
}

std::string Receiver::Decode(std::span<const float> samples, double sampleRate) {
    if (samples.empty()) return "";
    if (sampleRate != sampleRate_) Restart(sampleRate);
    const std::size_t keep = static_cast<std::size_t>(spectrum_->Size());
    const auto tail = samples.size() > keep ? samples.subspan(samples.size() - keep) : samples;
    recent_.insert(recent_.end(), tail.begin(), tail.end());
    if (recent_.size() > keep) recent_.erase(recent_.begin(), recent_.end() - static_cast<std::ptrdiff_t>(keep));
    return decoder_->Decode(samples);
}

void Receiver::SetMode(const decoder::RttyMode& mode) {
    mode_ = mode;
    Restart(sampleRate_);
}

void Receiver::SetNotches(double firstHz, double secondHz) {
    notchHz_[0] = firstHz;
    notchHz_[1] = secondHz;
    decoder_->SetNotches(firstHz, secondHz);
}

SignalFrame Receiver::Frame() {
    // The tones swap with the polarity.
    auto tones = mode_;
    tones.markHz = decoder_->MarkHz();
    // Half a bit, so that most stretches lie inside one bit and show one tone.
    const auto count = std::min(recent_.size(), static_cast<std::size_t>(sampleRate_ / mode_.baud / 2));
    const std::span<const float> lastHalfBit(recent_.data() + recent_.size() - count, count);
    return {spectrum_->PowerDb(recent_),
            spectrum_->BinHz(),
            tones.MarkToneHz(),
            tones.SpaceToneHz(),
            ToneLevelDb(lastHalfBit, tones.MarkToneHz(), sampleRate_),
            ToneLevelDb(lastHalfBit, tones.SpaceToneHz(), sampleRate_)};
}

void Receiver::Restart(double sampleRate) {
    sampleRate_ = sampleRate;
    decoder_ = std::make_unique<decoder::RttyDecoder>(mode_, sampleRate);
    decoder_->SetNotches(notchHz_[0], notchHz_[1]);
    if (!spectrum_ || spectrum_->BinHz() * spectrum_->Size() != sampleRate) {
        spectrum_ = std::make_unique<decoder::Spectrum>(SpectrumSizeFor(sampleRate), sampleRate);
        recent_.clear();
    }
}

}  // namespace zorbel::engine_side
