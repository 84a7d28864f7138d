// Benchmark of the decoder against minimodem (not a test): the character
// error rate on random text at several signal-to-noise ratios in 3 kHz, on
// the same WAV files for both, for signals from our generator (steady and
// with the mark tone fading) and signals minimodem transmitted itself; then
// the decoding speed of both as a multiple of real time on one core.
//   bench_decoder [CHARACTERS]   (default 5000 per file)

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "decoder/RttyDecoder.h"
#include "decoder/SignalGenerator.h"
#include "decoder/WavFile.h"

namespace {

using namespace zorbel::decoder;
namespace fs = std::filesystem;

// Low enough that the noise of the weakest signal does not clip in 16 bits.
constexpr double kAmplitude = 0.05;
constexpr double kSampleRate = 8000.0;

// Random text of letters, figures, spaces and line ends, so that both shifts
// occur; the same seed gives the same text.
std::string RandomText(std::size_t length, unsigned seed) {
    static const std::string kSigns = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-?:().,/     ";
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < length) {
        text += (text.size() % 69 == 68) ? '\r' : kSigns[random() % kSigns.size()];
        if (text.back() == '\r') text += '\n';
    }
    return text;
}

// Edits (insertions, deletions, substitutions) from one text to the other.
std::size_t EditDistance(const std::string& from, const std::string& to) {
    std::vector<std::size_t> row(to.size() + 1);
    for (std::size_t column = 0; column <= to.size(); ++column) row[column] = column;
    for (std::size_t line = 1; line <= from.size(); ++line) {
        std::size_t diagonal = row[0];
        row[0] = line;
        for (std::size_t column = 1; column <= to.size(); ++column) {
            const std::size_t above = row[column];
            row[column] = std::min({above + 1, row[column - 1] + 1, diagonal + (from[line - 1] != to[column - 1])});
            diagonal = above;
        }
    }
    return row[to.size()];
}

double ErrorRate(const std::string& sent, const std::string& decoded) {
    return static_cast<double>(EditDistance(sent, decoded)) / static_cast<double>(sent.size());
}

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// minimodem's options for a mode: it takes the tones themselves, the mark
// first, whatever the polarity.
std::string MinimodemMode(const RttyMode& mode) {
    std::ostringstream options;
    options << "--baudot -M " << mode.MarkToneHz() << " -S " << mode.SpaceToneHz() << " --stopbits " << mode.stopBits
            << " " << mode.baud;
    return options.str();
}

bool MinimodemPresent() { return std::system("minimodem --version >/dev/null 2>&1") == 0; }

// The text minimodem reads from a file, and how long it took.
std::string MinimodemDecode(const fs::path& wav, const RttyMode& mode, const fs::path& folder, double* seconds) {
    const fs::path output = folder / "minimodem.txt";
    const std::string command =
        "minimodem --rx -q -f " + Quoted(wav) + " " + MinimodemMode(mode) + " >" + Quoted(output) + " 2>/dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "minimodem failed on %s\n", wav.string().c_str());
    if (seconds) *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return ReadText(output);
}

// The text sent by minimodem, scaled to our amplitude.
std::vector<float> MinimodemSignal(const std::string& text, const RttyMode& mode, const fs::path& folder) {
    const fs::path input = folder / "text.txt";
    const fs::path wav = folder / "minimodem-tx.wav";
    std::ofstream(input, std::ios::binary) << text;
    std::ostringstream command;
    command << "minimodem --tx -f " << Quoted(wav) << " -R " << kSampleRate << " " << MinimodemMode(mode) << " <"
            << Quoted(input) << " 2>/dev/null";
    if (std::system(command.str().c_str()) != 0) std::fprintf(stderr, "minimodem --tx failed\n");
    WavAudio audio = ReadWavFile(wav);
    float peak = 0.0f;
    for (const float sample : audio.samples) peak = std::max(peak, std::abs(sample));
    for (float& sample : audio.samples) sample *= static_cast<float>(kAmplitude) / peak;
    return audio.samples;
}

enum class Source { Generator, GeneratorFading, Minimodem };

const char* SourceName(Source source) {
    switch (source) {
        case Source::Generator: return "ours, steady";
        case Source::GeneratorFading: return "ours, mark fading";
        case Source::Minimodem: return "sent by minimodem";
    }
    return "";
}

SignalShape Shape(Source source) {
    SignalShape shape{kSampleRate, kAmplitude};
    // The mark tone sinks by up to 20 dB and back every 3 seconds.
    if (source == Source::GeneratorFading) shape.markFadeDb = 20.0;
    return shape;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t characters = argc > 1 ? static_cast<std::size_t>(std::atol(argv[1])) : 5000;
    const std::string text = RandomText(characters, 1);
    const RttyMode modes[] = {{45.45, 170.0, 2125.0, false, 1.5}, {50.0, 450.0, 2125.0, true, 1.5}};
    const double snrs[] = {10.0, 0.0, -4.0, -6.0, -8.0, -10.0};
    const bool minimodem = MinimodemPresent();
    const fs::path folder = fs::temp_directory_path() / ("zorbel-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const fs::path wav = folder / "signal.wav";

    std::printf("character error rate, %zu characters per file, %.0f Hz, 16-bit WAV files; %s\n", text.size(),
                kSampleRate, minimodem ? "each cell: ours / minimodem" : "minimodem is not installed: ours only");
    std::printf("%-36s", "SNR in 3 kHz (dB)");
    for (const double snr : snrs) std::printf("%15.0f", snr);
    std::printf("\n");
    for (const RttyMode& mode : modes) {
        for (const Source source : {Source::Generator, Source::GeneratorFading, Source::Minimodem}) {
            if (source == Source::Minimodem && !minimodem) continue;
            std::printf("%5.2f Bd / %3.0f Hz, %-20s", mode.baud, mode.shiftHz, SourceName(source));
            std::fflush(stdout);
            const SignalShape shape = Shape(source);
            const std::vector<float> clean =
                source == Source::Minimodem ? MinimodemSignal(text, mode, folder) : GenerateRtty(text, mode, shape);
            for (const double snr : snrs) {
                WavAudio audio{kSampleRate, clean};
                AddNoise(audio.samples, snr, shape, 42);
                WriteWavFile(wav, audio);
                const WavAudio written = ReadWavFile(wav);
                // Unshift on space, as minimodem reads and sends: it sends no
                // letters shift after a space.
                const double ours =
                    ErrorRate(text, RttyDecoder(mode, written.sampleRate, true).Decode(written.samples));
                if (minimodem) {
                    std::printf("  %6.3f/%6.3f", ours, ErrorRate(text, MinimodemDecode(wav, mode, folder, nullptr)));
                } else {
                    std::printf("%15.3f", ours);
                }
                std::fflush(stdout);
            }
            std::printf("\n");
        }
    }

    for (const double sampleRate : {8000.0, 48000.0}) {
        const SignalShape shape{sampleRate, kAmplitude};
        WavAudio audio{sampleRate, GenerateRtty(text, modes[0], shape)};
        AddNoise(audio.samples, 0.0, shape, 7);
        const double audioSeconds = static_cast<double>(audio.samples.size()) / sampleRate;
        const auto start = std::chrono::steady_clock::now();
        const std::string decoded = RttyDecoder(modes[0], sampleRate).Decode(audio.samples);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("speed at %.0f Hz: ours %.0f times real time", sampleRate, audioSeconds / took.count());
        if (minimodem) {
            WriteWavFile(wav, audio);
            double seconds = 0.0;
            MinimodemDecode(wav, modes[0], folder, &seconds);
            std::printf(", minimodem %.0f times (from the file, start included)", audioSeconds / seconds);
        }
        std::printf(" (%zu characters)\n", decoded.size());
    }
    fs::remove_all(folder);
    return 0;
}
