// Benchmark of the decoder against minimodem (not a test): the character
// error rate on random text on the same WAV files for both, at several
// signal-to-noise ratios in 3 kHz, for signals from our generator and
// signals minimodem transmitted itself, through the flaws of an HF path:
// two-path fading, a sender off its rate, one tone fading, a mark off the
// set one, drift, a carrier beside the signal, impulses, other sample rates. Every row is also
// decoded in both polarities without telling the decoder which, and without
// telling it the mode at all (baud, shift, tones and polarity). Then the
// start of transmissions after noise, the first characters of transmissions
// that start on their first start bit, and the decoding speed of both as a
// multiple of real time on one core.
//   bench_decoder [--characters 2000] [--seeds 3] [--first-seed 1] [--rows TEXT] [--no-minimodem]
// --rows keeps the rows whose name holds TEXT; --first-seed picks other
// signals and noise than the ones a change was tuned on.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "decoder/ModeFindingDecoder.h"
#include "decoder/RttyDecoder.h"
#include "decoder/SignalGenerator.h"
#include "decoder/WavFile.h"

namespace {

using namespace zorbel::decoder;
namespace fs = std::filesystem;

// Low enough that the noise of the weakest signal does not clip in 16 bits.
constexpr double kAmplitude = 0.05;
const double kSnrColumns[] = {10.0, 0.0, -4.0, -6.0, -8.0, -10.0};
// Characters at the start of a transmission the polarity may take to find.
constexpr std::size_t kFindingCharacters = 10;

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

// How a decoded text lines up with the one sent, by the fewest edits
// (insertions, deletions, substitutions).
struct Alignment {
    std::size_t edits = 0;
    // Edits from the sent character kFindingCharacters on.
    std::size_t editsLater = 0;
    // Of the first 20 characters sent, how many came out right.
    std::size_t firstTwentyRight = 0;
    bool firstLineRight = false;
    // Characters printed before the first and after the last one sent.
    std::size_t before = 0, after = 0;
};

Alignment Align(const std::string& sent, const std::string& decoded) {
    const std::size_t rows = sent.size() + 1, columns = decoded.size() + 1;
    std::vector<std::uint32_t> cost(rows * columns);
    for (std::size_t i = 0; i < rows; ++i) cost[i * columns] = static_cast<std::uint32_t>(i);
    for (std::size_t j = 0; j < columns; ++j) cost[j] = static_cast<std::uint32_t>(j);
    for (std::size_t i = 1; i < rows; ++i) {
        for (std::size_t j = 1; j < columns; ++j) {
            cost[i * columns + j] = std::min({cost[(i - 1) * columns + j] + 1, cost[i * columns + j - 1] + 1,
                                              cost[(i - 1) * columns + j - 1] + (sent[i - 1] != decoded[j - 1])});
        }
    }
    Alignment alignment;
    alignment.edits = cost.back();
    std::vector<bool> right(sent.size(), false);
    // Insertions found before sent character i (index i), and after the last.
    std::vector<std::size_t> insertedBefore(rows, 0);
    std::size_t i = sent.size(), j = decoded.size();
    while (i > 0 || j > 0) {
        const std::uint32_t here = cost[i * columns + j];
        if (i > 0 && j > 0 && here == cost[(i - 1) * columns + j - 1] + (sent[i - 1] != decoded[j - 1])) {
            right[i - 1] = sent[i - 1] == decoded[j - 1];
            if (!right[i - 1] && i - 1 >= kFindingCharacters) ++alignment.editsLater;
            --i;
            --j;
        } else if (j > 0 && here == cost[i * columns + j - 1] + 1) {
            ++insertedBefore[i];
            if (i > kFindingCharacters) ++alignment.editsLater;
            --j;
        } else {
            if (i - 1 >= kFindingCharacters) ++alignment.editsLater;
            --i;
        }
    }
    alignment.before = insertedBefore[0];
    alignment.after = insertedBefore[sent.size()];
    for (std::size_t k = 0; k < std::min<std::size_t>(20, sent.size()); ++k) alignment.firstTwentyRight += right[k];
    const std::size_t lineEnd = std::min(sent.find('\n'), sent.size() - 1) + 1;
    alignment.firstLineRight = std::all_of(right.begin(), right.begin() + static_cast<std::ptrdiff_t>(lineEnd),
                                           [](bool ok) { return ok; });
    for (std::size_t k = 1; k < lineEnd; ++k) alignment.firstLineRight &= insertedBefore[k] == 0;
    return alignment;
}

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Quoted(const fs::path& path) {
    std::string quoted = "'";
    quoted += path.string();
    return quoted += "'";
}

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
std::vector<float> MinimodemSignal(const std::string& text, const RttyMode& mode, double sampleRate,
                                   const fs::path& folder) {
    const fs::path input = folder / "text.txt";
    const fs::path wav = folder / "minimodem-tx.wav";
    std::ofstream(input, std::ios::binary) << text;
    std::ostringstream command;
    command << "minimodem --tx -f " << Quoted(wav) << " -R " << sampleRate << " " << MinimodemMode(mode) << " <"
            << Quoted(input) << " 2>/dev/null";
    if (std::system(command.str().c_str()) != 0) std::fprintf(stderr, "minimodem --tx failed\n");
    WavAudio audio = ReadWavFile(wav);
    float peak = 0.0f;
    for (const float sample : audio.samples) peak = std::max(peak, std::abs(sample));
    for (float& sample : audio.samples) sample *= static_cast<float>(kAmplitude) / peak;
    return audio.samples;
}

enum class Tone { Mark, Space };

// What lies between the sender and the file.
struct Channel {
    std::optional<FadingPaths> fading = std::nullopt;
    double rateOff = 0.0;
    double markOffHz = 0.0;
    double driftHzPerSecond = 0.0;
    std::optional<Tone> toneFading = std::nullopt;
    bool carrier = false;
    bool impulses = false;
    double sampleRate = 8000.0;
};

struct Row {
    std::string name;
    bool minimodemSends;
    Channel channel;
    std::vector<double> snrs;
};

std::vector<Row> Rows() {
    const std::vector<double> all(std::begin(kSnrColumns), std::end(kSnrColumns));
    const std::vector<double> fadingSnrs = {10.0, 0.0, -6.0};
    const std::vector<double> weakSnrs = {0.0, -6.0, -8.0};
    std::vector<Row> rows;
    for (const bool minimodemSends : {false, true}) {
        const std::string by = minimodemSends ? "sent by minimodem" : "ours";
        rows.push_back({by + ", steady", minimodemSends, {}, all});
        rows.push_back({by + ", fading good", minimodemSends, {.fading = kGoodPaths}, fadingSnrs});
        rows.push_back({by + ", fading moderate", minimodemSends, {.fading = kModeratePaths}, fadingSnrs});
        rows.push_back({by + ", fading poor", minimodemSends, {.fading = kPoorPaths}, fadingSnrs});
        rows.push_back({by + ", 1 % fast", minimodemSends, {.rateOff = 0.01}, weakSnrs});
        rows.push_back({by + ", 1 % slow", minimodemSends, {.rateOff = -0.01}, weakSnrs});
    }
    // A tone fading alone is read by the other at any strength.
    const std::vector<double> oneToneSnrs = {10.0, 0.0, -6.0, -8.0};
    rows.push_back({"ours, mark tone fading 20 dB", false, {.toneFading = Tone::Mark}, oneToneSnrs});
    rows.push_back({"ours, space tone fading 20 dB", false, {.toneFading = Tone::Space}, oneToneSnrs});
    rows.push_back({"ours, mark 40 Hz off", false, {.markOffHz = 40.0}, weakSnrs});
    rows.push_back({"ours, drifting 0.2 Hz/s", false, {.driftHzPerSecond = 0.2}, weakSnrs});
    rows.push_back({"ours, carrier 125 Hz below", false, {.carrier = true}, weakSnrs});
    rows.push_back({"ours, impulses", false, {.impulses = true}, weakSnrs});
    rows.push_back({"ours, 11025 Hz", false, {.sampleRate = 11025.0}, weakSnrs});
    rows.push_back({"ours, 48000 Hz", false, {.sampleRate = 48000.0}, weakSnrs});
    return rows;
}

// The sender's signal through the channel, before the noise.
std::vector<float> SentSignal(const std::string& text, RttyMode sent, const Channel& channel, const SignalShape& shape,
                              bool byMinimodem, unsigned seed, const fs::path& folder) {
    sent.markHz += channel.markOffHz;
    std::vector<float> samples;
    if (byMinimodem) {
        sent.baud *= 1.0 + channel.rateOff;
        samples = MinimodemSignal(text, sent, shape.sampleRate, folder);
        const std::vector<float> before(static_cast<std::size_t>(shape.silenceBeforeSeconds * shape.sampleRate));
        samples.insert(samples.begin(), before.begin(), before.end());
        samples.resize(samples.size() + static_cast<std::size_t>(shape.silenceAfterSeconds * shape.sampleRate));
    } else {
        samples = GenerateRtty(text, sent, shape);
    }
    if (channel.fading) ApplyFading(samples, *channel.fading, shape.sampleRate, seed);
    std::mt19937 random(seed);
    for (std::size_t index = 0; index < samples.size(); ++index) {
        const double seconds = static_cast<double>(index) / shape.sampleRate;
        // As strong as the signal, where a neighbour's carrier might lie.
        if (channel.carrier) {
            samples[index] += static_cast<float>(kAmplitude * std::sin(2.0 * std::numbers::pi *
                                                                      (sent.markHz - 125.0) * seconds));
        }
        // Clicks of ten times the signal, 1 ms long, twice a second on average.
        if (channel.impulses && random() % static_cast<unsigned>(shape.sampleRate / 2.0) == 0) {
            const auto length = static_cast<std::size_t>(shape.sampleRate / 1000.0);
            const float sign = random() % 2 ? 1.0f : -1.0f;
            for (std::size_t k = index; k < std::min(samples.size(), index + length); ++k) {
                samples[k] += sign * static_cast<float>(10.0 * kAmplitude);
            }
        }
    }
    return samples;
}

SignalShape Shape(const Channel& channel) {
    SignalShape shape{channel.sampleRate, kAmplitude};
    shape.rateOff = channel.rateOff;
    shape.driftHzPerSecond = channel.driftHzPerSecond;
    if (channel.toneFading) {
        shape.markFadeDb = 20.0;
        shape.spaceFades = channel.toneFading == Tone::Space;
    }
    return shape;
}

// Writes the audio as a 16-bit file and reads it back, as both decoders get it.
WavAudio ThroughFile(const WavAudio& audio, const fs::path& wav) {
    WriteWavFile(wav, audio);
    return ReadWavFile(wav);
}

// The whole recording through our decoder, with unshift on space, as
// minimodem reads and sends: it sends no letters shift after a space.
std::string DecodeAll(const WavAudio& audio, const RttyMode& mode, bool findPolarity) {
    RttyDecoder decoder(mode, audio.sampleRate, {.unshiftOnSpace = true, .findPolarity = findPolarity});
    std::string text = decoder.Decode(audio.samples);
    return text += decoder.Finish();
}

// The modes found reading a recording untold, in order.
struct ModesFound {
    std::vector<RttyMode> modes;
    // Whether each was the mode sent (its baud and, within 30 Hz, its shift).
    bool AllRight(const RttyMode& sent) const {
        return std::all_of(modes.begin(), modes.end(), [&](const RttyMode& found) {
            return found.baud == sent.baud && std::abs(found.shiftHz - sent.shiftHz) <= 30.0;
        });
    }
};

// The same without telling it anything of the mode, in blocks of a tenth of
// a second as zorbel-decode reads, noting each mode found.
std::string DecodeUntold(const WavAudio& audio, ModesFound& found) {
    ModeFindingDecoder decoder(RttyMode{}, audio.sampleRate, {.unshiftOnSpace = true, .findPolarity = true}, {});
    const std::span<const float> samples(audio.samples);
    const auto block = static_cast<std::size_t>(audio.sampleRate / 10.0);
    std::string text;
    bool known = false;
    for (std::size_t at = 0; at < samples.size(); at += block) {
        text += decoder.Decode(samples.subspan(at, std::min(block, samples.size() - at)));
        if (decoder.ModeKnown() && !known) found.modes.push_back(decoder.Mode());
        known = decoder.ModeKnown();
    }
    return text += decoder.Finish();
}

// Ours told the polarity, ours without telling, ours told nothing of the
// mode, each in both polarities of the signal, and minimodem in the row's.
struct Readings {
    Alignment told[2], found[2], untold[2];
    // Kept to show a first line lost told nothing of the mode.
    std::string toldText[2], untoldText[2];
    ModesFound modes[2];
    std::optional<Alignment> minimodem;
};

Readings ReadAll(const std::string& text, const RttyMode& mode, const Channel& channel, SignalShape shape,
                 bool byMinimodem, double snr, unsigned seed, bool minimodem, const fs::path& folder) {
    Readings readings;
    const fs::path wav = folder / "signal.wav";
    for (const int flip : {0, 1}) {
        RttyMode sent = mode;
        sent.reversed = mode.reversed != (flip == 1);
        WavAudio audio{shape.sampleRate, SentSignal(text, sent, channel, shape, byMinimodem, seed, folder)};
        AddNoise(audio.samples, snr, shape, seed * 1000u + static_cast<unsigned>(snr + 100.0));
        const WavAudio written = ThroughFile(audio, wav);
        readings.toldText[flip] = DecodeAll(written, sent, false);
        readings.told[flip] = Align(text, readings.toldText[flip]);
        RttyMode untold = sent;
        untold.reversed = false;
        readings.found[flip] = Align(text, DecodeAll(written, untold, true));
        readings.untoldText[flip] = DecodeUntold(written, readings.modes[flip]);
        readings.untold[flip] = Align(text, readings.untoldText[flip]);
        if (minimodem && flip == 0) readings.minimodem = Align(text, MinimodemDecode(wav, sent, folder, nullptr));
    }
    return readings;
}

struct Options {
    std::size_t characters = 2000;
    unsigned seeds = 3;
    unsigned firstSeed = 1;
    std::string rows;
    bool minimodem = true;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        const bool hasValue = index + 1 < argc;
        if (argument == "--characters" && hasValue) {
            options.characters = static_cast<std::size_t>(std::atol(argv[++index]));
        } else if (argument == "--seeds" && hasValue) {
            options.seeds = static_cast<unsigned>(std::atol(argv[++index]));
        } else if (argument == "--first-seed" && hasValue) {
            options.firstSeed = static_cast<unsigned>(std::atol(argv[++index]));
        } else if (argument == "--rows" && hasValue) {
            options.rows = argv[++index];
        } else if (argument == "--no-minimodem") {
            options.minimodem = false;
        } else {
            std::fprintf(stderr, "usage: bench_decoder [--characters 2000] [--seeds 3] [--first-seed 1] [--rows TEXT] [--no-minimodem]\n");
            std::exit(2);
        }
    }
    return options;
}

// The first characters of a text on one line: line ends shown as < and |.
std::string Shown(std::string characters, std::size_t count) {
    characters.resize(std::min(characters.size(), count));
    std::replace(characters.begin(), characters.end(), '\r', '<');
    std::replace(characters.begin(), characters.end(), '\n', '|');
    return characters;
}

std::string ModeName(const RttyMode& mode) {
    char name[40];
    std::snprintf(name, sizeof name, "%5.2f Bd / %3.0f Hz %s", mode.baud, mode.shiftHz,
                  mode.reversed ? "reversed" : "normal  ");
    return name;
}

void ErrorRateTable(const Options& options, const RttyMode (&modes)[2], const fs::path& folder) {
    std::printf("character error rate by edit distance; seeds %u to %u of %zu characters per cell; 16-bit WAV files\n"
                "each cell: ours told the mode / ours not told the polarity, less told after the first %zu characters "
                "(worse of both polarities) / ours told nothing of the mode, likewise / minimodem\n",
                options.firstSeed, options.firstSeed + options.seeds - 1, options.characters, kFindingCharacters);
    std::printf("%-58s", "SNR in 3 kHz (dB)");
    for (const double snr : kSnrColumns) std::printf("%28.0f", snr);
    std::printf("\n");
    std::size_t firstLinesLost = 0, firstLinesTold = 0;
    std::size_t readingsUntold = 0, modeChanges = 0, wrongModes = 0, noMode = 0;
    // Each first line lost told nothing of the mode, named to be traced.
    std::vector<std::string> lostUntold;
    // And the other way round: where these are as many, noise decides.
    std::size_t firstLinesGainedUntold = 0;
    for (const Row& row : Rows()) {
        if (row.name.find(options.rows) == std::string::npos) continue;
        if (row.minimodemSends && !options.minimodem) continue;
        for (const RttyMode& mode : modes) {
            std::printf("%s, %-35s", ModeName(mode).c_str(), row.name.c_str());
            std::fflush(stdout);
            for (const double snr : kSnrColumns) {
                if (std::find(row.snrs.begin(), row.snrs.end(), snr) == row.snrs.end()) {
                    std::printf("%28s", "");
                    continue;
                }
                std::size_t sent = 0, told = 0, minimodem = 0;
                std::size_t toldLater[2] = {0, 0}, foundLater[2] = {0, 0}, untoldLater[2] = {0, 0};
                for (unsigned seed = options.firstSeed; seed < options.firstSeed + options.seeds; ++seed) {
                    const std::string text = RandomText(options.characters, seed);
                    const Readings readings = ReadAll(text, mode, row.channel, Shape(row.channel), row.minimodemSends,
                                                      snr, seed, options.minimodem, folder);
                    sent += text.size();
                    told += readings.told[0].edits;
                    if (readings.minimodem) minimodem += readings.minimodem->edits;
                    for (const int flip : {0, 1}) {
                        toldLater[flip] += readings.told[flip].editsLater;
                        foundLater[flip] += readings.found[flip].editsLater;
                        untoldLater[flip] += readings.untold[flip].editsLater;
                        firstLinesTold += readings.told[flip].firstLineRight;
                        firstLinesLost += readings.told[flip].firstLineRight && !readings.found[flip].firstLineRight;
                        firstLinesGainedUntold +=
                            !readings.told[flip].firstLineRight && readings.untold[flip].firstLineRight;
                        if (readings.told[flip].firstLineRight && !readings.untold[flip].firstLineRight) {
                            char where[160];
                            std::snprintf(where, sizeof where, "  %s, %s, %+.0f dB, seed %u, signal %s:\n",
                                          ModeName(mode).c_str(), row.name.c_str(), snr, seed,
                                          flip ? "reversed" : "as the row's");
                            lostUntold.push_back(where + ("    told   \"" + Shown(readings.toldText[flip], 70)) +
                                                 "\"\n    untold \"" + Shown(readings.untoldText[flip], 70) + "\"\n");
                        }
                        ++readingsUntold;
                        const ModesFound& found = readings.modes[flip];
                        modeChanges += found.modes.size() > 1;
                        wrongModes += !found.AllRight(mode);
                        noMode += found.modes.empty();
                    }
                }
                const double later = static_cast<double>(sent - options.seeds * kFindingCharacters);
                double worse = -1.0, worseUntold = -1.0;
                for (const int flip : {0, 1}) {
                    worse = std::max(worse, (static_cast<double>(foundLater[flip]) - toldLater[flip]) / later);
                    worseUntold =
                        std::max(worseUntold, (static_cast<double>(untoldLater[flip]) - toldLater[flip]) / later);
                }
                char cell[40];
                if (options.minimodem) {
                    std::snprintf(cell, sizeof cell, "%5.3f %+6.3f %+6.3f %5.3f", static_cast<double>(told) / sent,
                                  worse, worseUntold, static_cast<double>(minimodem) / sent);
                } else {
                    std::snprintf(cell, sizeof cell, "%5.3f %+6.3f %+6.3f", static_cast<double>(told) / sent, worse,
                                  worseUntold);
                }
                std::printf("%28s", cell);
                std::fflush(stdout);
            }
            std::printf("\n");
        }
    }
    std::printf("first lines read right when told and not right without telling the polarity: %zu of %zu; "
                "without telling the mode: %zu (right only without telling it: %zu)\n",
                firstLinesLost, firstLinesTold, lostUntold.size(), firstLinesGainedUntold);
    for (const std::string& lost : lostUntold) std::printf("%s", lost.c_str());
    std::printf("told nothing of the mode, of %zu readings: a mode found again in the middle of the transmission "
                "%zu, a wrong mode found %zu, none found %zu\n",
                readingsUntold, modeChanges, wrongModes, noMode);
}

// Transmissions of two lines that start and end in 10 s of noise, at 0 dB.
void StartTable(const Options& options, const RttyMode (&modes)[2], const fs::path& folder) {
    constexpr double kNoiseSeconds = 10.0;
    constexpr unsigned kTransmissions = 10;
    const unsigned firstSeed = 100 + (options.firstSeed - 1) * kTransmissions + 1;
    std::printf("\nstart of a transmission after %.0f s of noise, 0 dB, %u transmissions of 2 lines each (seeds %u to "
                "%u); ours told / ours not told the polarity / ours told nothing of the mode (both polarities) / "
                "minimodem\n",
                kNoiseSeconds, kTransmissions, firstSeed, firstSeed + kTransmissions - 1);
    std::printf("%-58s%36s%30s%30s\n", "", "first 20 right: mean (least)", "noise chars per 10 s before",
                "and after");
    struct Start {
        const char* name;
        bool byMinimodem;
        double leadSeconds;
    };
    for (const Start start : {Start{"ours, after 1 s of carrier", false, 1.0}, Start{"ours, no carrier", false, 0.0},
                              Start{"sent by minimodem", true, 0.0}}) {
        if (std::string(start.name).find(options.rows) == std::string::npos && options.rows != "start") continue;
        if (start.byMinimodem && !options.minimodem) continue;
        for (const RttyMode& mode : modes) {
            SignalShape shape{8000.0, kAmplitude};
            shape.leadSeconds = shape.tailSeconds = start.leadSeconds;
            shape.silenceBeforeSeconds = shape.silenceAfterSeconds = kNoiseSeconds;
            double right[4] = {0, 0, 0, 0}, least[4] = {20, 20, 20, 20}, before[4] = {0, 0, 0, 0}, after[4] = {0, 0, 0, 0};
            unsigned counted[4] = {0, 0, 0, 0};
            for (unsigned seed = firstSeed; seed < firstSeed + kTransmissions; ++seed) {
                const std::string text = RandomText(140, seed);
                const Readings readings = ReadAll(text, mode, Channel{}, shape, start.byMinimodem, 0.0, seed,
                                                  options.minimodem, folder);
                const auto add = [&](int column, const Alignment& alignment) {
                    right[column] += static_cast<double>(alignment.firstTwentyRight);
                    least[column] = std::min(least[column], static_cast<double>(alignment.firstTwentyRight));
                    before[column] += static_cast<double>(alignment.before);
                    after[column] += static_cast<double>(alignment.after);
                    ++counted[column];
                };
                for (const int flip : {0, 1}) {
                    add(0, readings.told[flip]);
                    add(1, readings.found[flip]);
                    add(2, readings.untold[flip]);
                }
                if (readings.minimodem) add(3, *readings.minimodem);
            }
            std::printf("%s, %-35s", ModeName(mode).c_str(), start.name);
            std::string rights, befores, afters;
            for (int column = 0; column < (options.minimodem ? 4 : 3); ++column) {
                char text[64];
                std::snprintf(text, sizeof text, "%s%.1f (%.0f)", column ? " / " : "", right[column] / counted[column],
                              least[column]);
                rights += text;
                std::snprintf(text, sizeof text, "%s%.1f", column ? " / " : "", before[column] / counted[column]);
                befores += text;
                std::snprintf(text, sizeof text, "%s%.1f", column ? " / " : "", after[column] / counted[column]);
                afters += text;
            }
            std::printf("%36s%30s%30s\n", rights.c_str(), befores.c_str(), afters.c_str());
            std::fflush(stdout);
        }
    }
}

// Transmissions that start on their first start bit, with no carrier or
// noise before it (a recording started with the signal): the first 20
// characters read, told and not told the polarity, beside the ones sent.
void AtOnceTable(const RttyMode (&modes)[2]) {
    constexpr unsigned kSeed = 100;
    const std::string text = RandomText(60, kSeed);
    const auto shown = [](const std::string& characters) { return Shown(characters, 20); };
    std::printf("\nfirst 20 characters of a transmission that starts on its first start bit (no carrier, no noise "
                "before it), told / not told the polarity / told nothing of the mode; sent: \"%s\"\n",
                shown(text).c_str());
    SignalShape shape{8000.0, kAmplitude};
    shape.leadSeconds = 0.0;
    for (const RttyMode& mode : modes) {
        std::printf("%s", ModeName(mode).c_str());
        for (const double snr : {10.0, 0.0, -4.0}) {
            std::vector<float> samples = GenerateRtty(text, mode, shape);
            AddNoise(samples, snr, shape, kSeed);
            const WavAudio audio{shape.sampleRate, std::move(samples)};
            RttyMode untold = mode;
            untold.reversed = false;
            ModesFound found;
            std::printf("  %+3.0f dB \"%s\" / \"%s\" / \"%s\"", snr, shown(DecodeAll(audio, mode, false)).c_str(),
                        shown(DecodeAll(audio, untold, true)).c_str(), shown(DecodeUntold(audio, found)).c_str());
        }
        std::printf("\n");
    }
}

void SpeedTable(const Options& options, const RttyMode& mode, const fs::path& folder) {
    const std::string text = RandomText(options.characters, 1);
    for (const double sampleRate : {8000.0, 48000.0}) {
        const SignalShape shape{sampleRate, kAmplitude};
        WavAudio audio{sampleRate, GenerateRtty(text, mode, shape)};
        AddNoise(audio.samples, 0.0, shape, 7);
        const double audioSeconds = static_cast<double>(audio.samples.size()) / sampleRate;
        std::printf("speed at %.0f Hz: ours", sampleRate);
        for (const bool findPolarity : {false, true}) {
            const auto start = std::chrono::steady_clock::now();
            const std::string decoded =
                RttyDecoder(mode, sampleRate, {.findPolarity = findPolarity}).Decode(audio.samples);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            std::printf(" %.0f times real time%s", audioSeconds / took.count(),
                        findPolarity ? " not told the polarity," : " told,");
        }
        // Told nothing: the search runs until the mode is found, and on
        // noise alone all the time.
        std::vector<float> noise(audio.samples.size());
        AddNoise(noise, 0.0, shape, 8);
        for (const std::vector<float>* samples : {&audio.samples, &noise}) {
            const auto start = std::chrono::steady_clock::now();
            ModeFindingDecoder(RttyMode{}, sampleRate, {.findPolarity = true}, {}).Decode(*samples);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            std::printf(" %.0f times%s", audioSeconds / took.count(),
                        samples == &noise ? " on noise alone" : " told nothing of the mode,");
        }
        if (options.minimodem) {
            const fs::path wav = folder / "speed.wav";
            WriteWavFile(wav, audio);
            double seconds = 0.0;
            MinimodemDecode(wav, mode, folder, &seconds);
            std::printf("; minimodem %.0f times (from the file, start included)", audioSeconds / seconds);
        }
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    if (options.minimodem && !MinimodemPresent()) {
        std::printf("minimodem is not installed: ours only\n");
        options.minimodem = false;
    }
    const RttyMode modes[2] = {{45.45, 170.0, 2125.0, false, 1.5}, {50.0, 450.0, 2125.0, true, 1.5}};
    const fs::path folder = fs::temp_directory_path() / ("zorbel-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    ErrorRateTable(options, modes, folder);
    StartTable(options, modes, folder);
    if (options.rows.empty() || options.rows == "start") AtOnceTable(modes);
    if (options.rows.empty()) SpeedTable(options, modes[0], folder);
    fs::remove_all(folder);
    return 0;
}
