// zorbel-makewav: sends text from standard input as RTTY, or as NAVTEX
// (SITOR-B), or a chart as radiofax, into a WAV file.
//   zorbel-makewav OUT.wav [--navtex] [--baud 45.45] [--shift 170] [--mark 2125] [--reverse]
//                  [--stopbits 1.5] [--rate 8000] [--snr DB] [--seed 1]
//                  [--drift HZ_PER_SECOND] [--fade DB] [--fading good|moderate|poor]
//                  [--rate-off PERCENT] [--lead SECONDS] [--silence-before SECONDS]
//                  [--silence-after SECONDS] [--amplitude 0.5]
//   zorbel-makewav OUT.wav --fax CHART.png [--ioc 576] [--deviation 400] [--centre 1900] [--no-tones]
//                  [--phasing LINES] and the channel options above
// --fading passes the signal through two fading paths as on HF (the ITU-R's
// profiles); --rate-off makes a sender off its rate; the silences hold only
// the noise, for a transmission that starts and ends in it. --amplitude is the
// signal's peak before fading and noise: lower it for weak or fading signals,
// whose noise and fading peaks would otherwise clip in the 16-bit file.
// --navtex sends 100 Bd, 170 Hz around 1000 Hz, 1 on the higher tone (as a
// receiver in upper sideband hears it), the lead (10 s) as phasing;
// --reverse puts 1 on the lower tone, and --mark sets the lower tone.
// --fax sends the chart (any width, each row spread over a line) as a
// station does: start tone, phasing lines (60 unless --phasing says), the
// picture, stop tone, black; --no-tones leaves out both tones and the black.
// --rate-off makes the lines come that much faster, as a sound card's clock
// off by as much (0.02 for 200 millionths).

#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "decoder/FaxGenerator.h"
#include "decoder/PngImage.h"
#include "decoder/SignalGenerator.h"
#include "decoder/SitorBDecoder.h"
#include "decoder/WavFile.h"
#include "decoder/cli/FaxOptions.h"
#include "decoder/cli/ModeOptions.h"
#include "console/StandardOutput.h"
#include "console/Utf8Arguments.h"

namespace {

using namespace zorbel::decoder;
using namespace zorbel::console;

FadingPaths FadingOption(const std::string& name) {
    if (name == "good") return kGoodPaths;
    if (name == "moderate") return kModeratePaths;
    if (name == "poor") return kPoorPaths;
    throw std::invalid_argument("--fading wants good, moderate or poor, not " + name);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        std::vector<std::string> valueOptions = kModeValueOptions;
        valueOptions.insert(valueOptions.end(), {"rate", "snr", "seed", "drift", "fade", "fading", "rate-off", "lead",
                                                      "silence-before", "silence-after", "amplitude", "fax", "phasing"});
        valueOptions.insert(valueOptions.end(), kFaxValueOptions.begin(), kFaxValueOptions.end());
        std::vector<std::string> switches = kModeSwitches;
        switches.insert(switches.end(), {"navtex", "no-tones"});
        const CommandLine line = ParseCommandLine(Utf8Arguments(argc, argv), valueOptions, switches);
        const bool navtex = line.options.contains("navtex");
        const RttyMode mode = ModeFromCommandLine(line, navtex ? NavtexMode() : RttyMode{});
        SignalShape shape;
        shape.sampleRate = NumberOption(line, "rate", 8000.0, 6000.0, 192000.0);
        shape.amplitude = NumberOption(line, "amplitude", shape.amplitude, 0.001, 1.0);
        shape.driftHzPerSecond = NumberOption(line, "drift", 0.0, -100.0, 100.0);
        shape.markFadeDb = NumberOption(line, "fade", 0.0, 0.0, 60.0);
        shape.rateOff = NumberOption(line, "rate-off", 0.0, -10.0, 10.0) / 100.0;
        // NAVTEX phases at least 10 s before a transmission's first message.
        shape.leadSeconds = NumberOption(line, "lead", navtex ? 10.0 : shape.leadSeconds, 0.0, 60.0);
        shape.silenceBeforeSeconds = NumberOption(line, "silence-before", 0.0, 0.0, 600.0);
        shape.silenceAfterSeconds = NumberOption(line, "silence-after", 0.0, 0.0, 600.0);
        const auto seed = static_cast<std::uint64_t>(NumberOption(line, "seed", 1.0, 0.0, 1e15));
        WavAudio audio{shape.sampleRate, {}};
        if (const auto chart = line.options.find("fax"); chart != line.options.end()) {
            FaxTransmission transmission;
            transmission.phasingLines = static_cast<int>(NumberOption(line, "phasing", 60.0, 0.0, 600.0));
            if (line.options.contains("no-tones")) {
                transmission.startToneSeconds = transmission.stopToneSeconds = transmission.blackSeconds = 0.0;
            }
            audio.samples = GenerateFax(ReadPngFile(PathFromUtf8(chart->second)), FaxModeFromCommandLine(line),
                                        transmission, shape);
        } else {
            MakeStandardInputBinary();
            const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
            audio.samples = navtex ? GenerateSitorB(text, mode, shape) : GenerateRtty(text, mode, shape);
        }
        if (const auto fading = line.options.find("fading"); fading != line.options.end()) {
            ApplyFading(audio.samples, FadingOption(fading->second), shape.sampleRate, seed);
        }
        if (line.options.contains("snr")) {
            AddNoise(audio.samples, NumberOption(line, "snr", 0.0, -30.0, 60.0), shape, seed);
        }
        WriteWavFile(PathFromUtf8(line.files[0]), audio);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorbel-makewav: %s\n", error.what());
        std::fprintf(stderr,
                     "usage: zorbel-makewav OUT.wav [--navtex] [--baud 45.45] [--shift 170] [--mark 2125] "
                     "[--reverse] "
                     "[--stopbits 1.5] [--rate 8000] [--snr DB] [--seed 1] [--drift HZ_PER_SECOND] [--fade DB] "
                     "[--fading good|moderate|poor] [--rate-off PERCENT] [--lead SECONDS] "
                     "[--silence-before SECONDS] [--silence-after SECONDS] [--amplitude 0.5] < TEXT\n"
                     "       zorbel-makewav OUT.wav --fax CHART.png [--ioc 576] [--deviation 400] [--centre 1900] "
                     "[--no-tones] [--phasing LINES] [--rate 8000] [--snr DB] [--seed 1] [--fading good|moderate|poor] "
                     "[--rate-off PERCENT] [--silence-before SECONDS] [--silence-after SECONDS] [--amplitude 0.5]\n");
        return 2;
    }
}
