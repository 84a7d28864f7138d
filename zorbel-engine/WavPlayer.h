#pragma once
// Plays a recording into the decoder: at the real rate, the samples whose
// time has come since the start; fast, a block at a time for as long as the
// program takes the characters. With repeat it starts again at its end.

#include <cstdint>
#include <span>

#include "decoder/WavFile.h"

namespace zorbel::engine_side {

class WavPlayer {
public:
    WavPlayer(decoder::WavAudio audio, bool fast, bool repeat) : audio_(std::move(audio)), fast_(fast), repeat_(repeat) {}

    // The samples due at nowMs (a millisecond clock); empty once played through.
    std::span<const float> Due(std::uint64_t nowMs);

    bool Finished() const { return !repeat_ && position_ >= audio_.samples.size(); }
    double SampleRate() const { return audio_.sampleRate; }
    bool Fast() const { return fast_; }

private:
    decoder::WavAudio audio_;
    bool fast_;
    bool repeat_;
    std::size_t position_ = 0;
    std::uint64_t startMs_ = 0;
    bool started_ = false;
};

}  // namespace zorbel::engine_side
