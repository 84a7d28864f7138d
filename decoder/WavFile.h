#pragma once
// Reading and writing WAV recordings. Reading accepts PCM of 8, 16 or 24 bits
// and 32-bit float, any number of channels (only the first is kept) and any
// sample rate the decoder takes; anything else is refused with a message a
// user can act on. A recording that was streamed or interrupted keeps the
// sizes its writer put in the header at the start (0, a placeholder, or what
// was meant to come): the reader takes what the file holds and tells so.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorbel::decoder {

// How much audio the file held against what its header claims.
enum class WavLength {
    AsHeaderSays,
    // The data chunk claims more than the file holds: an interrupted
    // recording, or a streamed one with a placeholder size (0xFFFFFFFF,
    // 0x7FFFFFFF, 0x80000000).
    EndsEarly,
    // The data chunk claims no data, yet the file holds some: streamed.
    NotGiven,
};

struct WavAudio {
    double sampleRate = 0.0;
    std::vector<float> samples;  // first channel, full scale = 1; whole frames only
    WavLength length = WavLength::AsHeaderSays;
};

// What is wrong with a file, for a program that words it in its own language;
// what() words it in English for the command-line tools.
enum class WavProblem {
    NotWav,
    FormatChunkTooShort,
    UnsupportedSampleFormat,  // figures: format code, bits per sample
    NoChannels,
    RateOutsideRange,         // figures: the rate in Hz
    NoFormatBeforeData,
    NoAudio,
    NoDataChunk,
    NoFormatChunk,
    CannotOpen,
    CannotRead,
    CannotWrite,
};

class WavError : public std::runtime_error {
public:
    WavError(WavProblem problem, const std::string& englishText, std::uint32_t firstFigure = 0,
             std::uint32_t secondFigure = 0)
        : std::runtime_error(englishText), problem_(problem), figures_{firstFigure, secondFigure} {}
    WavProblem Problem() const { return problem_; }
    std::uint32_t Figure(int index) const { return figures_[index]; }

private:
    WavProblem problem_;
    std::uint32_t figures_[2];
};

// The recording in the file's bytes; throws WavError naming what is wrong.
WavAudio ParseWav(std::string_view bytes);

// For the tools' standard error: what the reader did about a length other
// than the header's, with the seconds read; "" when the header was right.
std::string WavLengthNote(const WavAudio& audio);

// Reads and parses a file; throws WavError if it cannot be read or parsed.
WavAudio ReadWavFile(const std::filesystem::path& path);

// Writes mono 16-bit PCM, clipping at full scale; throws WavError on failure.
void WriteWavFile(const std::filesystem::path& path, const WavAudio& audio);

}  // namespace zorbel::decoder
