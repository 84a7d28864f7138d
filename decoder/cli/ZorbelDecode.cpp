// zorbel-decode: decodes the RTTY in a WAV recording and prints the text.
//   zorbel-decode FILE.wav [--baud 45.45] [--shift 170] [--mark 2125] [--reverse | --normal]
//                 [--stopbits 1.5] [--unshift-on-space]
//   zorbel-decode FILE.wav --navtex [--mark HZ]
//   zorbel-decode --fax FILE.wav CHART.png [--ioc 576] [--deviation 400] [--centre 1900]
// --navtex reads NAVTEX (SITOR-B, 100 Bd, 170 Hz), its tones found in the
// recording (or set by --mark, the lower one) and its polarity from the
// signal.
// Without --baud and --shift it finds them from the signal, and without
// --mark the signal's tones, wherever they lie; without --reverse or
// --normal it finds the polarity from the signal. It says on standard error
// what it found. A recording streamed or cut short is read to its end, with a
// note on standard error.
// --fax receives radiofax charts: the first into CHART.png, any further ones
// into CHART-2.png and on; for each it says on standard error where it lay,
// how it started and ended, and the line's length found. Exit status 1 if
// the recording held no chart.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "decoder/FaxChart.h"
#include "decoder/FaxDecoder.h"
#include "decoder/FaxLineTiming.h"
#include "decoder/InputConditioner.h"
#include "decoder/ModeFindingDecoder.h"
#include "decoder/SitorBDecoder.h"
#include "decoder/ToneSearch.h"
#include "decoder/PngImage.h"
#include "decoder/WavFile.h"
#include "decoder/cli/FaxOptions.h"
#include "decoder/cli/ModeOptions.h"
#include "console/StandardOutput.h"
#include "console/Utf8Arguments.h"

namespace {

// What is found is told as soon as it is, about every tenth of a second of
// the recording.
constexpr double kBlockSeconds = 0.1;

std::string Found(const zorbel::decoder::ModeFindingDecoder& decoder) {
    const zorbel::decoder::RttyMode mode = decoder.Mode();
    char text[80];
    std::snprintf(text, sizeof text, "%g Bd, %g Hz shift (mark %.0f Hz)", mode.baud, mode.shiftHz, mode.MarkToneHz());
    return text;
}

// Reads the recording as NAVTEX and prints what it reads, saying on
// standard error where the tones lie and when a transmission locks.
void DecodeNavtex(const zorbel::decoder::CommandLine& line, const zorbel::decoder::WavAudio& audio) {
    using namespace zorbel::decoder;
    RttyMode mode = ModeFromCommandLine(line, NavtexMode());
    if (!line.options.contains("mark")) {
        // Wherever the listener tuned; the decoder then follows the tones.
        if (const std::optional<double> markHz = FindMark(audio.samples, audio.sampleRate, mode)) mode.markHz = *markHz;
    }
    std::fprintf(stderr, "zorbel-decode: NAVTEX tones at %.0f and %.0f Hz\n", mode.markHz, mode.markHz + mode.shiftHz);
    SitorBDecoder decoder(mode, audio.sampleRate);
    const std::span<const float> samples(audio.samples);
    const auto block = std::max<std::size_t>(1, static_cast<std::size_t>(kBlockSeconds * audio.sampleRate));
    bool locked = false;
    for (std::size_t at = 0; at < samples.size(); at += block) {
        const std::string text = decoder.Decode(samples.subspan(at, std::min(block, samples.size() - at)));
        std::fwrite(text.data(), 1, text.size(), stdout);
        if (decoder.Locked() != locked) {
            locked = decoder.Locked();
            std::fflush(stdout);
            std::fprintf(stderr, "zorbel-decode: %s at %.1f s\n", locked ? "locked" : "lock lost",
                         static_cast<double>(at + block) / audio.sampleRate);
        }
    }
    const std::string rest = decoder.Finish();
    std::fwrite(rest.data(), 1, rest.size(), stdout);
}

// Where the chart of this number goes: the file named, then its name with
// -2, -3 and on.
std::filesystem::path ChartPath(const std::filesystem::path& first, std::size_t number) {
    if (number == 1) return first;
    std::filesystem::path name = first.stem();
    name += "-";
    name += std::to_string(number);
    name += first.extension();
    return first.parent_path() / name;
}

std::string Described(const zorbel::decoder::FaxReception& reception, const zorbel::decoder::FaxLineTiming& timing,
                      int lines) {
    using namespace zorbel::decoder;
    static const char* const kEnds[] = {"its stop tone", "the picture's end", "the next chart's start tone",
                                        "the recording's end"};
    char phasing[64] = "no phasing, line start from the margin";
    if (timing.phased) std::snprintf(phasing, sizeof phasing, "line start from %d phasing lines", timing.phasingLines);
    char text[320];
    std::snprintf(text, sizeof text, "%d lines from %.1f s, started by %s, ended by %s%s; %s, line %.6f s", lines,
                  reception.startSeconds, reception.start == FaxStart::StartTone ? "its start tone" : "its picture",
                  kEnds[static_cast<int>(reception.end)], reception.Incomplete() ? " (incomplete)" : "", phasing,
                  timing.lineSamples / reception.brightnessRate);
    return text;
}

// Receives the recording's charts and writes each as a PNG file.
int DecodeFax(const zorbel::decoder::CommandLine& line, const zorbel::decoder::WavAudio& audio) {
    using namespace zorbel::decoder;
    const FaxMode mode = FaxModeFromCommandLine(line);
    if (audio.sampleRate < 2.2 * (mode.centreHz + mode.deviationHz)) {
        throw std::runtime_error("the recording's rate of " + std::to_string(static_cast<long>(audio.sampleRate)) +
                                 " Hz is too low for radiofax");
    }
    FaxDecoder decoder(mode, audio.sampleRate);
    decoder.Decode(audio.samples);
    decoder.Finish();
    const std::vector<FaxReception> receptions = decoder.TakeEnded();
    std::size_t written = 0;
    for (const FaxReception& reception : receptions) {
        const FaxLineTiming timing = FindLineTiming(reception.brightness, mode, reception.brightnessRate);
        const GreyImage chart = DrawChart(reception.brightness, timing, mode.ElementsPerLine());
        if (chart.height == 0) {
            std::fprintf(stderr, "zorbel-decode: a start tone at %.1f s without a picture\n", reception.startSeconds);
            continue;
        }
        const std::filesystem::path path = ChartPath(zorbel::console::PathFromUtf8(line.files[1]), ++written);
        WritePngFile(path, chart);
        const std::u8string name = path.u8string();
        std::fprintf(stderr, "zorbel-decode: chart %zu (%s): %s\n", written,
                     reinterpret_cast<const char*>(name.c_str()), Described(reception, timing, chart.height).c_str());
    }
    if (written == 0) std::fprintf(stderr, "zorbel-decode: no radiofax chart found\n");
    return written == 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zorbel::decoder;
    using namespace zorbel::console;
    try {
        std::vector<std::string> switches = kModeSwitches;
        switches.insert(switches.end(), {"normal", "unshift-on-space", "navtex", "fax"});
        std::vector<std::string> valueOptions = kModeValueOptions;
        valueOptions.insert(valueOptions.end(), kFaxValueOptions.begin(), kFaxValueOptions.end());
        const CommandLine line = ParseCommandLine(Utf8Arguments(argc, argv), valueOptions, switches, 2);
        const bool fax = line.options.contains("fax");
        if (line.files.size() != (fax ? 2u : 1u)) {
            throw std::invalid_argument(fax ? "--fax wants the recording and the chart's file"
                                            : "one recording only, please");
        }
        RttyMode mode = ModeFromCommandLine(line);
        const bool told = mode.reversed || line.options.contains("normal");
        if (mode.reversed && line.options.contains("normal")) {
            throw std::invalid_argument("--reverse and --normal contradict each other");
        }
        WavAudio audio = ReadWavFile(PathFromUtf8(line.files[0]));
        if (const std::string note = WavLengthNote(audio); !note.empty()) {
            std::fprintf(stderr, "zorbel-decode: note: %s\n", note.c_str());
        }
        InputConditioner(audio.sampleRate).Condition(audio.samples);
        if (fax) return DecodeFax(line, audio);
        MakeStandardOutputBinary();
        if (line.options.contains("navtex")) {
            DecodeNavtex(line, audio);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        const SearchedParts searched{.baud = !line.options.contains("baud"),
                                     .shift = !line.options.contains("shift"),
                                     .mark = !line.options.contains("mark")};
        if (!searched.shift && !line.options.contains("mark")) {
            const std::optional<double> markHz = FindMark(audio.samples, audio.sampleRate, mode);
            if (!markHz) throw std::runtime_error("no RTTY signal with this shift found; give its --mark");
            mode.markHz = *markHz;
        }
        if (!searched.shift && audio.sampleRate < 2.2 * (mode.markHz + mode.shiftHz)) {
            throw std::runtime_error("the recording's rate of " +
                                     std::to_string(static_cast<long>(audio.sampleRate)) +
                                     " Hz is too low for these tones");
        }
        ModeFindingDecoder decoder(
            mode, audio.sampleRate,
            {.unshiftOnSpace = line.options.contains("unshift-on-space"), .findPolarity = !told}, searched);
        const std::span<const float> samples(audio.samples);
        const auto block = std::max<std::size_t>(1, static_cast<std::size_t>(kBlockSeconds * audio.sampleRate));
        bool modeTold = !decoder.SearchesMode();
        bool polarityTold = told;
        for (std::size_t at = 0; at < samples.size(); at += block) {
            const std::string text = decoder.Decode(samples.subspan(at, std::min(block, samples.size() - at)));
            std::fwrite(text.data(), 1, text.size(), stdout);
            const double seconds = static_cast<double>(at + block) / audio.sampleRate;
            if (!modeTold && decoder.ModeKnown()) {
                std::fflush(stdout);
                std::fprintf(stderr, "zorbel-decode: %s found at %.1f s\n", Found(decoder).c_str(), seconds);
            }
            if (!polarityTold && decoder.PolarityKnown()) {
                std::fflush(stdout);
                std::fprintf(stderr, "zorbel-decode: %s polarity found at %.1f s (mark %.0f Hz)\n",
                             decoder.Mode().reversed ? "reversed" : "normal", seconds, decoder.Mode().MarkToneHz());
            }
            // Told again after a long silence, when found afresh.
            modeTold = !decoder.SearchesMode() || decoder.ModeKnown();
            polarityTold = told || decoder.PolarityKnown();
        }
        const std::string rest = decoder.Finish();
        std::fwrite(rest.data(), 1, rest.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorbel-decode: %s\n", error.what());
        std::fprintf(stderr,
                     "usage: zorbel-decode FILE.wav [--baud 45.45] [--shift 170] [--mark 2125] "
                     "[--reverse | --normal] [--stopbits 1.5] [--unshift-on-space]\n"
                     "       zorbel-decode FILE.wav --navtex [--mark HZ]\n"
                     "       zorbel-decode --fax FILE.wav CHART.png [--ioc 576] [--deviation 400] [--centre 1900]\n");
        return 2;
    }
}
