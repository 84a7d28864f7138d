// Benchmark of NAVTEX reception (not a test): whole messages of several
// hundred characters (NavtexTexts) sent as SITOR-B after 10 s of phasing,
// with 5 s of noise before and after, read by our decoder (told the tones of
// a sender at 1000 Hz) and found by the MessageReader. Per cell: messages
// received right (header as sent or recovered, at most 4 % of the
// characters wrong), headers read as sent and recovered, messages under
// another header, the mean character error rate of the transmission and the
// speed as a multiple of real time (by processor time). Then hours of noise alone: messages and
// characters printed from it.
//   bench_navtex [--seeds 10] [--first-seed 1] [--rows TEXT] [--noise-hours 1]
//   bench_navtex --write-wav DIR [--seeds ...] [--rows ...]   the cells' signals as WAV and their texts
//   bench_navtex --score SENT DECODED                          one decoded text scored
// --first-seed picks other texts, fading and noise than the ones a change
// was tuned on; --rows keeps the cells whose key holds TEXT.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "decoder/SignalGenerator.h"
#include "decoder/SitorBDecoder.h"
#include "decoder/WavFile.h"
#include "navtex/MessageReader.h"
#include "navtex/bench/MessageScore.h"
#include "navtex/bench/NavtexTexts.h"

namespace {

using namespace zorbel::decoder;
using namespace navtex::bench;
namespace fs = std::filesystem;

constexpr double kSampleRate = 8000.0;
// Low enough that fading and noise peaks stay inside a 16-bit file.
constexpr double kAmplitude = 0.05;
constexpr double kToldCentreHz = 1000.0;
// Samples handed to the decoder at a time, as a sound card's buffer.
constexpr std::size_t kBlock = 4096;

struct Cell {
    const char* key;  // a file name's part, for --rows and --write-wav
    const char* title;
    double snrDb;
    const FadingPaths* fading = nullptr;
    double rateOff = 0.0;
    double offsetHz = 0.0;
    double driftHzPerSecond = 0.0;
};

const Cell kCells[] = {
    {"white+10", "white noise, +10 dB", 10.0},
    {"white+5", "white noise, +5 dB", 5.0},
    {"white0", "white noise, 0 dB", 0.0},
    {"white-5", "white noise, -5 dB", -5.0},
    {"white-10", "white noise, -10 dB", -10.0},
    {"moderate+10", "two-path fading moderate, +10 dB", 10.0, &kModeratePaths},
    {"moderate0", "two-path fading moderate, 0 dB", 0.0, &kModeratePaths},
    {"poor+10", "two-path fading poor, +10 dB", 10.0, &kPoorPaths},
    {"poor0", "two-path fading poor, 0 dB", 0.0, &kPoorPaths},
    {"fast+10", "sender 0.5 % fast, +10 dB", 10.0, nullptr, 0.005},
    {"slow+10", "sender 0.5 % slow, +10 dB", 10.0, nullptr, -0.005},
    {"fast0", "sender 0.5 % fast, 0 dB", 0.0, nullptr, 0.005},
    {"slow0", "sender 0.5 % slow, 0 dB", 0.0, nullptr, -0.005},
    {"offset+10", "100 Hz off the tones told, +10 dB", 10.0, nullptr, 0.0, 100.0},
    {"offset0", "100 Hz off the tones told, 0 dB", 0.0, nullptr, 0.0, -100.0},
    {"drift+10", "drifting 1 Hz/s, +10 dB", 10.0, nullptr, 0.0, 0.0, 1.0},
    {"drift0", "drifting 1 Hz/s, 0 dB", 0.0, nullptr, 0.0, 0.0, -1.0},
};

SignalShape Shape() {
    SignalShape shape;
    shape.sampleRate = kSampleRate;
    shape.amplitude = kAmplitude;
    shape.leadSeconds = 10.0;
    shape.silenceBeforeSeconds = 5.0;
    shape.silenceAfterSeconds = 5.0;
    return shape;
}

std::vector<float> Signal(const Cell& cell, const SentMessage& message, unsigned seed) {
    SignalShape shape = Shape();
    shape.rateOff = cell.rateOff;
    shape.driftHzPerSecond = cell.driftHzPerSecond;
    std::vector<float> samples = GenerateSitorB(message.transmission, NavtexMode(kToldCentreHz + cell.offsetHz), shape);
    if (cell.fading) ApplyFading(samples, *cell.fading, kSampleRate, seed);
    AddNoise(samples, cell.snrDb, shape, seed);
    return samples;
}

// The processor time this process has taken: the speed stays the decoder's
// own on a machine that other programs share.
double ProcessorSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// What our decoder prints from the samples; adds the seconds it took.
std::string Decode(std::span<const float> samples, double& seconds) {
    const double start = ProcessorSeconds();
    SitorBDecoder decoder(NavtexMode(kToldCentreHz), kSampleRate);
    std::string text;
    for (std::size_t at = 0; at < samples.size(); at += kBlock) {
        text += decoder.Decode(samples.subspan(at, std::min(kBlock, samples.size() - at)));
    }
    text += decoder.Finish();
    seconds += ProcessorSeconds() - start;
    return text;
}

struct Options {
    unsigned seeds = 10;
    unsigned firstSeed = 1;
    std::string rows;
    double noiseHours = 1.0;
    std::optional<fs::path> wavFolder;
};

bool Kept(const Options& options, const Cell& cell) {
    return std::string(cell.key).find(options.rows) != std::string::npos;
}

void CellTable(const Options& options) {
    std::printf("%-36s %10s %13s %6s %7s %9s\n", "cell", "right", "exact/recov.", "other", "CER", "speed");
    double allSeconds = 0.0, allAudio = 0.0;
    for (const Cell& cell : kCells) {
        if (!Kept(options, cell)) continue;
        unsigned right = 0, exact = 0, recovered = 0, other = 0;
        double errorRates = 0.0, seconds = 0.0, audio = 0.0;
        for (unsigned seed = options.firstSeed; seed < options.firstSeed + options.seeds; ++seed) {
            const SentMessage message = NavtexText(seed);
            const std::vector<float> samples = Signal(cell, message, seed);
            audio += static_cast<double>(samples.size()) / kSampleRate;
            const MessageScore score = ScoreMessage(message, Decode(samples, seconds));
            right += score.Right();
            exact += score.headerExact;
            recovered += score.headerRecovered;
            other += static_cast<unsigned>(score.otherHeaders);
            errorRates += score.errorRate;
        }
        std::printf("%-36s %4u of %2u %7u/%-5u %6u %7.4f %8.0fx\n", cell.title, right, options.seeds, exact, recovered,
                    other, errorRates / options.seeds, audio / seconds);
        allSeconds += seconds;
        allAudio += audio;
    }
    if (allAudio > 0.0) {
        std::printf("all cells: %.0f s of signal decoded at %.0fx real time\n", allAudio, allAudio / allSeconds);
    }
}

// Noise alone for hours, as a receiver left on between broadcasts hears
// it: every message found and every character printed is invented.
void NoiseTable(const Options& options) {
    const SignalShape shape = Shape();
    SitorBDecoder decoder(NavtexMode(kToldCentreHz), kSampleRate);
    navtex::MessageReader reader;
    const auto blocks = static_cast<std::size_t>(options.noiseHours * 3600.0 * kSampleRate / kBlock);
    std::size_t messages = 0, characters = 0;
    double seconds = 0.0;
    std::vector<float> noise(kBlock);
    for (std::size_t block = 0; block < blocks; ++block) {
        std::fill(noise.begin(), noise.end(), 0.0f);
        AddNoise(noise, 0.0, shape, (std::uint64_t{options.firstSeed} << 32) + block);
        const double start = ProcessorSeconds();
        const std::string text = decoder.Decode(noise);
        seconds += ProcessorSeconds() - start;
        characters += text.size();
        messages += reader.Read(text).size();
    }
    characters += decoder.Finish().size();
    messages += reader.EndOfSignal().has_value();
    const double audio = static_cast<double>(blocks * kBlock) / kSampleRate;
    std::printf("noise alone, %.1f h: %zu messages, %zu characters printed, decoded at %.0fx real time\n",
                audio / 3600.0, messages, characters, audio / seconds);
}

void WriteWavs(const Options& options) {
    fs::create_directories(*options.wavFolder);
    for (const Cell& cell : kCells) {
        if (!Kept(options, cell)) continue;
        for (unsigned seed = options.firstSeed; seed < options.firstSeed + options.seeds; ++seed) {
            const SentMessage message = NavtexText(seed);
            const fs::path base = *options.wavFolder / (std::string(cell.key) + "-seed" + std::to_string(seed));
            WriteWavFile(fs::path(base).concat(".wav"), WavAudio{kSampleRate, Signal(cell, message, seed)});
            std::ofstream(fs::path(base).concat(".sent"), std::ios::binary) << message.transmission;
        }
    }
}

std::string ReadText(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// One line: how the header was read, the message's and the whole
// transmission's character error rates, messages under other headers.
int Score(const char* sentPath, const char* decodedPath) {
    SentMessage sent;
    sent.transmission = ReadText(sentPath);
    sent.id = sent.transmission.substr(5, 4);
    const MessageScore score = ScoreMessage(sent, ReadText(decodedPath));
    std::printf("%s %s %.4f %.4f %zu\n", score.Right() ? "right" : "wrong",
                score.headerExact ? "exact" : score.headerRecovered ? "recovered" : "lost", score.messageErrorRate,
                score.errorRate, score.otherHeaders);
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: bench_navtex [--seeds 10] [--first-seed 1] [--rows TEXT] [--noise-hours 1]\n"
                         "       bench_navtex --write-wav DIR [--seeds 10] [--first-seed 1] [--rows TEXT]\n"
                         "       bench_navtex --score SENT DECODED\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--score" && index + 2 < argc) return Score(argv[index + 1], argv[index + 2]);
        if (index + 1 >= argc) return Usage();
        const char* value = argv[++index];
        if (argument == "--seeds") {
            options.seeds = static_cast<unsigned>(std::atol(value));
        } else if (argument == "--first-seed") {
            options.firstSeed = static_cast<unsigned>(std::atol(value));
        } else if (argument == "--rows") {
            options.rows = value;
        } else if (argument == "--noise-hours") {
            options.noiseHours = std::atof(value);
        } else if (argument == "--write-wav") {
            options.wavFolder = value;
        } else {
            return Usage();
        }
    }
    if (options.seeds == 0) return Usage();
    if (options.wavFolder) {
        WriteWavs(options);
        return 0;
    }
    CellTable(options);
    if (options.noiseHours > 0.0) NoiseTable(options);
    return 0;
}
