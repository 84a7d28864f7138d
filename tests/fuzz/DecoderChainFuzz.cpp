// The decoder chain and the WAV reader under arbitrary input: libFuzzer's
// entry point, also replayed over the seeds in the tree by any compiler.
//
// An input that starts with "RIFF" is a file: it goes through the WAV reader
// and, when that takes it, through the chain as zorbel-decode runs it
// (conditioner, mark search, decoder), but also at a rate too low for the
// tones, as the engine plays it. Any other input writes samples of its
// choosing over a short generated transmission, since the faults found so
// far needed a character being read when the odd sample came. Its first byte
// picks the mode, the rate and whether the samples pass the conditioner or go
// straight into the decoder (which must neither hang nor cast a NaN, whatever
// it gets); each following 6 bytes are a position (2 bytes, little-endian,
// scaled to the signal's length) and the bits of a float (4 bytes).

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "decoder/InputConditioner.h"
#include "decoder/RttyDecoder.h"
#include "decoder/SignalGenerator.h"
#include "decoder/ToneSearch.h"
#include "decoder/WavFile.h"

namespace {

using namespace zorbel::decoder;

void DecodeFile(std::string_view bytes) {
    WavAudio audio;
    try {
        audio = ParseWav(bytes);
    } catch (const WavError&) {
        return;
    }
    (void)WavLengthNote(audio);
    InputConditioner(audio.sampleRate).Condition(audio.samples);
    RttyMode mode;
    if (const std::optional<double> markHz = FindMark(audio.samples, audio.sampleRate, mode)) mode.markHz = *markHz;
    RttyDecoder(mode, audio.sampleRate).Decode(audio.samples);
}

void DecodeGenerated(const std::uint8_t* data, std::size_t size) {
    constexpr double kBauds[] = {45.45, 50.0, 75.0, 100.0};
    constexpr double kShifts[] = {85.0, 170.0, 450.0, 850.0};
    const std::uint8_t choice = data[0];
    const RttyMode mode{kBauds[choice & 3u], kShifts[(choice >> 2) & 3u], 1275.0, (choice & 0x10u) != 0,
                        (choice & 0x20u) != 0 ? 1.5 : 1.0};
    const bool straight = (choice & 0x40u) != 0;
    SignalShape shape{(choice & 0x80u) != 0 ? 11025.0 : 8000.0};
    shape.leadSeconds = shape.tailSeconds = 0.2;
    std::vector<float> samples = GenerateRtty("RYRY", mode, shape);
    for (std::size_t at = 1; at + 6 <= size; at += 6) {
        const std::size_t position = (data[at] | std::size_t{data[at + 1]} << 8) * samples.size() / 65536;
        std::memcpy(&samples[position], data + at + 2, sizeof(float));
    }
    if (!straight) InputConditioner(shape.sampleRate).Condition(samples);
    // In two blocks, as a stream arrives.
    RttyDecoder decoder(mode, shape.sampleRate);
    const std::span<const float> all(samples);
    decoder.Decode(all.first(all.size() / 2));
    decoder.Decode(all.subspan(all.size() / 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.starts_with("RIFF")) {
        DecodeFile(bytes);
    } else if (size > 0) {
        DecodeGenerated(data, size);
    }
    return 0;
}
