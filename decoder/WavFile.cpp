#include "decoder/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "decoder/DecoderLimits.h"

namespace zorbel::decoder {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t Little(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int index = size - 1; index >= 0; --index) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(index)]);
    }
    return value;
}

struct Format {
    std::uint16_t code = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
};

Format ReadFormat(std::string_view chunk) {
    if (chunk.size() < 16) throw WavError(WavProblem::FormatChunkTooShort, "the WAV format chunk is too short");
    Format format{static_cast<std::uint16_t>(Little(chunk, 0, 2)), static_cast<std::uint16_t>(Little(chunk, 2, 2)),
                  Little(chunk, 4, 4), static_cast<std::uint16_t>(Little(chunk, 14, 2))};
    // The extensible form names the real format in the first two bytes of
    // its sub-format identifier.
    if (format.code == kFormatExtensible) {
        if (chunk.size() < 26) throw WavError(WavProblem::FormatChunkTooShort, "the WAV format chunk is too short");
        format.code = static_cast<std::uint16_t>(Little(chunk, 24, 2));
    }
    const bool pcm = format.code == kFormatPcm &&
                     (format.bitsPerSample == 8 || format.bitsPerSample == 16 || format.bitsPerSample == 24);
    const bool floats = format.code == kFormatFloat && format.bitsPerSample == 32;
    if (!pcm && !floats) {
        throw WavError(WavProblem::UnsupportedSampleFormat,
                       "unsupported WAV sample format (code " + std::to_string(format.code) + ", " +
                           std::to_string(format.bitsPerSample) + " bits); use PCM of 8, 16 or 24 bits or 32-bit float",
                       format.code, format.bitsPerSample);
    }
    if (format.channels == 0) throw WavError(WavProblem::NoChannels, "the WAV file names no channels");
    // Checked here, before the rate sizes any buffer downstream.
    if (!kSampleRateRange.Holds(format.sampleRate)) {
        std::ostringstream message;
        message << "the WAV file's rate of " << format.sampleRate << " Hz is outside the " << kSampleRateRange.lowest
                << " to " << kSampleRateRange.highest << " Hz the decoder takes";
        throw WavError(WavProblem::RateOutsideRange, message.str(), format.sampleRate);
    }
    return format;
}

float ReadSample(std::string_view data, std::size_t at, std::uint16_t bitsPerSample, bool floats) {
    if (floats) {
        const std::uint32_t raw = Little(data, at, 4);
        float value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    switch (bitsPerSample) {
        case 8:  // unsigned, centred on 128
            return (static_cast<float>(static_cast<unsigned char>(data[at])) - 128.0f) / 128.0f;
        case 16:
            return static_cast<float>(static_cast<std::int16_t>(Little(data, at, 2))) / 32768.0f;
        default:  // 24: shift into the top of 32 bits so the sign comes along
            return static_cast<float>(static_cast<std::int32_t>(Little(data, at, 3) << 8)) / 2147483648.0f;
    }
}

}  // namespace

WavAudio ParseWav(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        throw WavError(WavProblem::NotWav, "not a WAV file (no RIFF/WAVE header)");
    }
    std::optional<Format> format;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint32_t size = Little(bytes, at + 4, 4);
        const std::string_view body = bytes.substr(at + 8, size);
        if (id == "fmt ") {
            format = ReadFormat(body);
        } else if (id == "data") {
            if (!format) throw WavError(WavProblem::NoFormatBeforeData, "the WAV file has no format chunk before its data");
            // Streaming writers leave the sizes they could not know yet; an
            // interrupted one those it meant to reach. Either way the file
            // holds the audio up to its end.
            const std::string_view held = bytes.substr(at + 8);
            WavAudio audio{static_cast<double>(format->sampleRate), {}, WavLength::AsHeaderSays};
            std::string_view data = body;
            if (size == 0 && !held.empty()) {
                audio.length = WavLength::NotGiven;
                data = held;
            } else if (size > held.size()) {
                audio.length = WavLength::EndsEarly;
            }
            const std::size_t frameBytes = format->bitsPerSample / 8u * format->channels;
            const std::size_t frames = data.size() / frameBytes;
            if (frames == 0) throw WavError(WavProblem::NoAudio, "the WAV file holds no audio");
            audio.samples.reserve(frames);
            for (std::size_t frame = 0; frame < frames; ++frame) {
                audio.samples.push_back(
                    ReadSample(data, frame * frameBytes, format->bitsPerSample, format->code == kFormatFloat));
            }
            return audio;
        }
        // Chunks are padded to an even length. Counted in size_t: in 32 bits a
        // size near 4 GiB wraps the step to 0 and the walk never ends.
        at += 8 + std::size_t{size} + (size & 1u);
    }
    if (format) throw WavError(WavProblem::NoDataChunk, "the WAV file is truncated: it has no data");
    throw WavError(WavProblem::NoFormatChunk, "the WAV file is truncated: it has no format");
}

std::string WavLengthNote(const WavAudio& audio) {
    if (audio.length == WavLength::AsHeaderSays) return "";
    std::ostringstream note;
    note.precision(1);
    note << std::fixed
         << (audio.length == WavLength::EndsEarly
                 ? "the WAV file ends before the size its header gives (an interrupted or streamed recording)"
                 : "the WAV header gives no data size (a streamed recording)")
         << "; reading the " << static_cast<double>(audio.samples.size()) / audio.sampleRate << " s the file holds";
    return note.str();
}

namespace {

// The name for a message: path.string() would throw on Windows for a name
// outside the ANSI code page.
std::string Utf8Name(const std::filesystem::path& path) {
    const std::u8string utf8Text = path.u8string();
    return {utf8Text.begin(), utf8Text.end()};
}

}  // namespace

WavAudio ReadWavFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw WavError(WavProblem::CannotOpen, "cannot open " + Utf8Name(path));
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) throw WavError(WavProblem::CannotRead, "cannot read " + Utf8Name(path));
    return ParseWav(bytes);
}

void WriteWavFile(const std::filesystem::path& path, const WavAudio& audio) {
    const auto dataBytes = static_cast<std::uint32_t>(audio.samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(std::lround(audio.sampleRate));
    std::string bytes;
    const auto put = [&](std::uint32_t value, int size) {
        for (int index = 0; index < size; ++index) bytes += static_cast<char>((value >> (8 * index)) & 0xFFu);
    };
    bytes += "RIFF";
    put(36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    put(16, 4);
    put(kFormatPcm, 2);
    put(1, 2);         // channels
    put(rate, 4);
    put(rate * 2, 4);  // bytes per second
    put(2, 2);         // bytes per frame
    put(16, 2);
    bytes += "data";
    put(dataBytes, 4);
    for (const float sample : audio.samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        put(static_cast<std::uint32_t>(value) & 0xFFFFu, 2);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw WavError(WavProblem::CannotWrite, "cannot write " + Utf8Name(path));
}

}  // namespace zorbel::decoder
