#pragma once
// Reading and writing WAV recordings. Reading accepts PCM of 8, 16 or 24 bits
// and 32-bit float, any number of channels (only the first is kept) and any
// sample rate; anything else is refused with a message a user can act on.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::decoder {

struct WavAudio {
    double sampleRate = 0.0;
    std::vector<float> samples;  // first channel, full scale = 1
};

class WavError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The recording in the file's bytes; throws WavError naming what is wrong.
WavAudio ParseWav(std::string_view bytes);

// Reads and parses a file; throws WavError if it cannot be read or parsed.
WavAudio ReadWavFile(const std::filesystem::path& path);

// Writes mono 16-bit PCM, clipping at full scale; throws WavError on failure.
void WriteWavFile(const std::filesystem::path& path, const WavAudio& audio);

}  // namespace zorbel::decoder
