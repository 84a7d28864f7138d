// zorbel-decode: decodes the RTTY in a WAV recording and prints the text.
//   zorbel-decode FILE.wav [--baud 45.45] [--shift 170] [--mark 2125] [--reverse]
//                 [--stopbits 1.5] [--unshift-on-space]
// Without --mark it looks for the signal in the first seconds.

#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "decoder/RttyDecoder.h"
#include "decoder/ToneSearch.h"
#include "decoder/WavFile.h"
#include "decoder/cli/ModeOptions.h"
#include "decoder/cli/StandardOutput.h"
#include "decoder/cli/Utf8Arguments.h"

int main(int argc, char** argv) {
    using namespace zorbel::decoder;
    try {
        std::vector<std::string> switches = kModeSwitches;
        switches.push_back("unshift-on-space");
        const CommandLine line = ParseCommandLine(Utf8Arguments(argc, argv), kModeValueOptions, switches);
        RttyMode mode = ModeFromCommandLine(line);
        const WavAudio audio = ReadWavFile(PathFromUtf8(line.file));
        if (!line.options.contains("mark")) {
            const std::optional<double> markHz = FindMark(audio.samples, audio.sampleRate, mode);
            if (!markHz) throw std::runtime_error("no RTTY signal with this shift found; give its --mark");
            mode.markHz = *markHz;
        }
        if (audio.sampleRate < 2.2 * (mode.markHz + mode.shiftHz)) {
            throw WavError("the recording's rate of " + std::to_string(static_cast<long>(audio.sampleRate)) +
                           " Hz is too low for these tones");
        }
        RttyDecoder decoder(mode, audio.sampleRate, {.unshiftOnSpace = line.options.contains("unshift-on-space")});
        const std::string text = decoder.Decode(audio.samples);
        MakeStandardOutputBinary();
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorbel-decode: %s\n", error.what());
        std::fprintf(stderr,
                     "usage: zorbel-decode FILE.wav [--baud 45.45] [--shift 170] [--mark 2125] [--reverse] "
                     "[--stopbits 1.5] [--unshift-on-space]\n");
        return 2;
    }
}
