// The decoder told nothing of the mode: each found from the signal, kept, found afresh, or told.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "decoder/ModeFindingDecoder.h"
#include "decoder/SignalGenerator.h"

namespace zorbel::decoder {
namespace {

// Text whose first characters a rate 10 % off, or half or twice the sender's, frames as well as the sender's now and
// then: "RYRY" and letters alike. A decision on a few characters goes wrong on it.
constexpr std::string_view kText =
    "RYRYRYRY CQ CQ DE DL0ABC DL0ABC\r\nZCZC 104 FQEN71 EDZW 071200\r\nSEEWETTERBERICHT 0123456789 -?:()'.,/+=\r\n";

std::string ModeName(const RttyMode& mode) {
    std::ostringstream name;
    name << mode.baud << " Bd " << mode.shiftHz << " Hz mark " << std::lround(mode.markHz)
         << (mode.reversed ? " reversed" : "");
    return name.str();
}

// The text read in blocks of a tenth of a second, and the modes found (when baud and shift became known) in order.
struct Reading {
    std::string text;
    std::vector<RttyMode> modes;

    // Whether the modes found are these, their marks within 10 Hz.
    bool Found(const std::vector<RttyMode>& expected) const {
        return std::equal(modes.begin(), modes.end(), expected.begin(), expected.end(),
                          [](const RttyMode& found, const RttyMode& sent) {
                              return found.baud == sent.baud && found.shiftHz == sent.shiftHz &&
                                     found.reversed == sent.reversed && std::abs(found.markHz - sent.markHz) <= 10.0;
                          });
    }
    std::string Shown() const {
        std::string shown = "found";
        for (const RttyMode& mode : modes) shown += " [" + ModeName(mode) + "]";
        return shown + ", read " + testing::PrintToString(text);
    }
};

Reading ReadUntold(const std::vector<float>& samples, double sampleRate, const RttyMode& told = {},
                   SearchedParts parts = {}) {
    ModeFindingDecoder decoder(told, sampleRate, {.findPolarity = true}, parts);
    Reading reading;
    bool known = decoder.ModeKnown();
    const auto block = static_cast<std::size_t>(sampleRate / 10.0);
    for (std::size_t at = 0; at < samples.size(); at += block) {
        reading.text += decoder.Decode(std::span(samples).subspan(at, std::min(block, samples.size() - at)));
        if (decoder.ModeKnown() && !known) reading.modes.push_back(decoder.Mode());
        known = decoder.ModeKnown();
    }
    reading.text += decoder.Finish();
    return reading;
}

TEST(ModeSearchTest, EachModeIsFoundFromTheSignalAndReadFromItsFirstCharacter) {
    std::ostringstream failures;
    int index = 0;
    for (const double baud : {45.45, 50.0, 75.0, 100.0}) {
        for (const double shift : {170.0, 425.0, 450.0, 850.0}) {
            for (const bool reversed : {false, true}) {
                // Tones anywhere in the band, after noise, at rates of sound cards and files.
                const double marks[] = {600.0, 1000.0, 2125.0 - shift / 2.0};
                const RttyMode mode{baud, shift, marks[index % 3], reversed, 1.5};
                SignalShape shape{index % 4 == 3 ? 11025.0 : 8000.0};
                shape.silenceBeforeSeconds = 2.0;
                ++index;
                std::vector<float> samples = GenerateRtty(kText, mode, shape);
                AddNoise(samples, 6.0, shape, static_cast<std::uint64_t>(index));
                const Reading reading = ReadUntold(samples, shape.sampleRate);
                if (reading.text != kText || !reading.Found({mode})) {
                    failures << ModeName(mode) << " at " << shape.sampleRate << " Hz: " << reading.Shown() << "\n";
                }
            }
        }
    }
    EXPECT_EQ(failures.str(), "");
}

// Through fades, at 0 dB, from a sender 1 % fast, other rates frame a few
// characters in a row now and then: the rate is still the sender's.
TEST(ModeSearchTest, AWeakFadingSignalFromASenderOffItsRateIsTakenForNoOtherMode) {
    std::ostringstream failures;
    std::uint64_t seed = 0;
    for (const RttyMode& mode : {RttyMode{45.45, 170.0, 2125.0, false, 1.5}, RttyMode{50.0, 450.0, 1000.0, true, 1.5},
                                 RttyMode{75.0, 850.0, 1000.0, false, 1.5}}) {
        for (int run = 0; run < 3; ++run) {
            SignalShape shape;
            shape.rateOff = 0.01;
            std::vector<float> samples = GenerateRtty(kText, mode, shape);
            ApplyFading(samples, kModeratePaths, shape.sampleRate, ++seed);
            AddNoise(samples, 0.0, shape, seed);
            const Reading reading = ReadUntold(samples, shape.sampleRate);
            if (reading.modes.empty() || !reading.Found({mode})) failures << ModeName(mode) << ": " << reading.Shown() << "\n";
        }
    }
    EXPECT_EQ(failures.str(), "");
}

TEST(ModeSearchTest, AModeIsKeptWhileItsTransmissionLastsAndFoundAfreshAfterALongSilence) {
    // The amateur's transmission, long and weak, then after 12 s of noise the weather service's elsewhere in the band;
    // a short call at the end is given in the likeliest mode when the input ends.
    const double sampleRate = 8000.0;
    struct Transmission {
        RttyMode mode;
        std::string text;
        double snrDb;
    };
    const Transmission transmissions[] = {
        {{45.45, 170.0, 2125.0, false, 1.5}, std::string(kText) + std::string(kText) + std::string(kText), 0.0},
        {{50.0, 450.0, 1000.0, true, 1.5}, std::string(kText), 6.0},
        {{50.0, 450.0, 1000.0, true, 1.5}, "RYRY CQ DE DL0ABC", 6.0},
    };
    std::vector<float> samples;
    std::string sent;
    for (const Transmission& transmission : transmissions) {
        SignalShape shape{sampleRate};
        shape.silenceBeforeSeconds = 12.0;
        std::vector<float> part = GenerateRtty(transmission.text, transmission.mode, shape);
        AddNoise(part, transmission.snrDb, shape, samples.size());
        samples.insert(samples.end(), part.begin(), part.end());
        sent += transmission.text;
    }
    const Reading reading = ReadUntold(samples, sampleRate);
    EXPECT_TRUE(reading.text == sent &&
                reading.Found({transmissions[0].mode, transmissions[1].mode, transmissions[2].mode}))
        << reading.Shown();
}

TEST(ModeSearchTest, AModeToldIsNotSearchedAndAPartToldHolds) {
    const double sampleRate = 8000.0;
    const RttyMode weather{50.0, 450.0, 1000.0, true, 1.5};
    const SignalShape shape{sampleRate};
    const std::vector<float> samples = GenerateRtty(kText, weather, shape);
    struct Case {
        RttyMode told;
        SearchedParts parts;
        std::vector<RttyMode> found;
        bool readsText;
    };
    const Case cases[] = {
        // Told the amateur's mode, it reads the weather service's as nothing useful, and searches nothing.
        {{45.45, 170.0, 1000.0, true, 1.5}, {.baud = false, .shift = false}, {}, false},
        {weather, {.baud = false, .shift = false}, {}, true},
        // Told the rate only, or the shift only, it finds the rest.
        {{50.0, 170.0, 2125.0, false, 1.5}, {.baud = false}, {weather}, true},
        {{100.0, 450.0, 2125.0, false, 1.5}, {.shift = false}, {weather}, true},
        // Told a mark, it looks for the tones only near it.
        {{45.45, 170.0, 2000.0, false, 1.5}, {.mark = false}, {}, false},
    };
    for (const Case& c : cases) {
        const Reading reading = ReadUntold(samples, sampleRate, c.told, c.parts);
        EXPECT_TRUE(reading.Found(c.found) && (reading.text == kText) == c.readsText)
            << "told " << ModeName(c.told) << ": " << reading.Shown();
    }
}

}  // namespace
}  // namespace zorbel::decoder
