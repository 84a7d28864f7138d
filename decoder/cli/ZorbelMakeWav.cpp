// zorbel-makewav: sends text from standard input as RTTY into a WAV file.
//   zorbel-makewav OUT.wav [--baud 45.45] [--shift 170] [--mark 2125] [--reverse]
//                  [--stopbits 1.5] [--rate 8000] [--snr DB] [--seed 1]
//                  [--drift HZ_PER_SECOND] [--fade DB]

#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "decoder/SignalGenerator.h"
#include "decoder/WavFile.h"
#include "decoder/cli/ModeOptions.h"
#include "decoder/cli/StandardOutput.h"
#include "decoder/cli/Utf8Arguments.h"

int main(int argc, char** argv) {
    using namespace zorbel::decoder;
    try {
        std::vector<std::string> valueOptions = kModeValueOptions;
        valueOptions.insert(valueOptions.end(), {"rate", "snr", "seed", "drift", "fade"});
        const CommandLine line = ParseCommandLine(Utf8Arguments(argc, argv), valueOptions, kModeSwitches);
        const RttyMode mode = ModeFromCommandLine(line);
        SignalShape shape;
        shape.sampleRate = NumberOption(line, "rate", 8000.0, 6000.0, 192000.0);
        shape.driftHzPerSecond = NumberOption(line, "drift", 0.0, -100.0, 100.0);
        shape.markFadeDb = NumberOption(line, "fade", 0.0, 0.0, 60.0);
        MakeStandardInputBinary();
        const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
        WavAudio audio{shape.sampleRate, GenerateRtty(text, mode, shape)};
        if (line.options.contains("snr")) {
            AddNoise(audio.samples, NumberOption(line, "snr", 0.0, -30.0, 60.0), shape,
                     static_cast<std::uint64_t>(NumberOption(line, "seed", 1.0, 0.0, 1e15)));
        }
        WriteWavFile(PathFromUtf8(line.file), audio);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorbel-makewav: %s\n", error.what());
        std::fprintf(stderr,
                     "usage: zorbel-makewav OUT.wav [--baud 45.45] [--shift 170] [--mark 2125] [--reverse] "
                     "[--stopbits 1.5] [--rate 8000] [--snr DB] [--seed 1] [--drift HZ_PER_SECOND] [--fade DB] "
                     "< TEXT\n");
        return 2;
    }
}
