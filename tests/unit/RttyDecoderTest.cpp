// The RTTY decoder on generated signals: every mode, noise, fading, drift and polarity, and the ITA2 shifts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "decoder/CodeDecision.h"
#include "decoder/RttyDecoder.h"
#include "decoder/SignalGenerator.h"
#include "decoder/Spectrum.h"
#include "decoder/ToneSearch.h"
#include "EditDistance.h"

namespace zorbel::decoder {
namespace {

constexpr std::string_view kText = "RYRY CQ DE DDH47 0123456789 -?:()'.,/+= THE QUICK BROWN FOX\r\nEND\r\n";
// The usual amateur mode, and the German weather service's reversed one.
constexpr RttyMode kAmateur{45.45, 170.0, 2125.0, false, 1.5};
constexpr RttyMode kWeatherService{50.0, 450.0, 1000.0, true, 1.5};

using testing_support::EditDistance;

std::string DecodeInBlocks(const std::vector<float>& samples, const RttyMode& mode, double sampleRate,
                           std::size_t blockSize) {
    RttyDecoder decoder(mode, sampleRate);
    std::string text;
    for (std::size_t at = 0; at < samples.size(); at += blockSize) {
        text += decoder.Decode(std::span(samples).subspan(at, std::min(blockSize, samples.size() - at)));
    }
    return text;
}

TEST(RttyDecoderTest, EveryModeDecodesACleanSignalWithoutError) {
    const double rates[] = {8000.0, 11025.0, 48000.0};
    std::ostringstream failures;
    int modeIndex = 0;
    for (const double baud : {45.45, 50.0, 75.0, 100.0}) {
        for (const double shift : {85.0, 170.0, 200.0, 425.0, 450.0, 850.0}) {
            for (const bool reversed : {false, true}) {
                for (const double stopBits : {1.0, 1.5, 2.0}) {
                    // Marks from the bottom to the top of the band, rates and block sizes varied along the way.
                    const double marks[] = {300.0, 1275.0, 3000.0 - shift};
                    const RttyMode mode{baud, shift, marks[modeIndex % 3], reversed, stopBits};
                    const SignalShape shape{rates[(modeIndex / 3) % 3]};
                    const std::size_t blockSize = 1 + static_cast<std::size_t>(modeIndex * 37 % 1000);
                    ++modeIndex;
                    const std::string decoded =
                        DecodeInBlocks(GenerateRtty(kText, mode, shape), mode, shape.sampleRate, blockSize);
                    if (decoded != kText) {
                        failures << baud << " Bd, " << shift << " Hz, mark " << mode.markHz << " Hz, "
                                 << (reversed ? "reversed" : "normal") << ", " << stopBits << " stop bits, "
                                 << shape.sampleRate << " Hz in blocks of " << blockSize << ": "
                                 << testing::PrintToString(decoded) << "\n";
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures.str(), "");
}

TEST(RttyDecoderTest, AReceiverReadsSendersWithOtherStopBitLengths) {
    const SignalShape shape;
    // Set to one stop bit, it reads longer stops and the pause between two senders without loss.
    std::vector<float> samples;
    for (const double stopBits : {1.5, 2.0}) {
        const std::vector<float> part = GenerateRtty(kText, RttyMode{50.0, 450.0, 2125.0, false, stopBits}, shape);
        samples.insert(samples.end(), part.begin(), part.end());
    }
    const std::string twice = std::string(kText) + std::string(kText);
    EXPECT_EQ(RttyDecoder(RttyMode{50.0, 450.0, 2125.0, false, 1.0}, shape.sampleRate).Decode(samples), twice);
    for (const auto& [receiverStopBits, senderStopBits] : {std::pair{2.0, 1.0}, {2.0, 1.5}, {1.5, 1.0}}) {
        const std::string decoded =
            RttyDecoder(RttyMode{45.45, 170.0, 2125.0, false, receiverStopBits}, shape.sampleRate)
                .Decode(GenerateRtty(kText, RttyMode{45.45, 170.0, 2125.0, false, senderStopBits}, shape));
        // The first characters may go while the timing learns the sender's.
        EXPECT_NE(decoded.find(kText.substr(5)), std::string::npos)
            << receiverStopBits << " against " << senderStopBits << ": " << testing::PrintToString(decoded);
    }
}

TEST(RttyDecoderTest, NoiseAloneOrAroundATransmissionPrintsNothingAndTheTransmissionReadsFromItsStart) {
    const SignalShape plain;
    for (const double noiseAmplitude : {0.0, 0.001, 0.5}) {
        std::vector<float> samples(static_cast<std::size_t>(20 * plain.sampleRate), 0.0f);
        if (noiseAmplitude > 0.0) AddNoise(samples, 0.0, SignalShape{plain.sampleRate, noiseAmplitude}, 3);
        const std::string decoded = RttyDecoder(RttyMode{}, plain.sampleRate).Decode(samples);
        EXPECT_LE(decoded.size(), 2u) << noiseAmplitude << ": " << testing::PrintToString(decoded);
    }
    // Noise framed before the transmission would print, teach the levels and leave a figures shift behind; characters
    // framed half in the noise would come out wrong.
    for (const RttyMode mode : {kAmateur, kWeatherService}) {
        for (const double leadSeconds : {0.0, 1.0}) {
            SignalShape shape;
            shape.leadSeconds = shape.tailSeconds = leadSeconds;
            shape.silenceBeforeSeconds = shape.silenceAfterSeconds = 5.0;
            std::vector<float> samples = GenerateRtty(kText, mode, shape);
            AddNoise(samples, 0.0, shape, 17);
            EXPECT_EQ(RttyDecoder(mode, shape.sampleRate).Decode(samples), kText)
                << mode.baud << " Bd, " << leadSeconds << " s of carrier";
        }
    }
}

TEST(RttyDecoderTest, ARecordingThatStartsOnItsFirstStartBitReadsFromItsFirstCharacter) {
    // No carrier and no noise before the first start bit, so no fall from mark to find it by and no noise learnt to
    // judge it by: at the start of the input, or right after a card's digital silence; told the polarity or finding it.
    // The weather service begins with its RYRYRY.
    struct Case {
        RttyMode mode;
        std::string_view text;
    };
    for (const auto& [mode, text] : {Case{kAmateur, "WELCOME TO THE CONTEST 599 001\r\n"},
                                     Case{kWeatherService, "RYRYRY ZCZC EDZW 0600\r\n"}}) {
        SignalShape shape;
        shape.leadSeconds = 0.0;
        std::vector<float> signal = GenerateRtty(text, mode, shape);
        AddNoise(signal, 10.0, shape, 29);
        for (const double silenceSeconds : {0.0, 2.0}) {
            std::vector<float> samples(static_cast<std::size_t>(silenceSeconds * shape.sampleRate), 0.0f);
            samples.insert(samples.end(), signal.begin(), signal.end());
            for (const bool findPolarity : {false, true}) {
                RttyDecoder decoder(mode, shape.sampleRate, {.findPolarity = findPolarity});
                std::string decoded = decoder.Decode(samples);
                EXPECT_EQ(decoded += decoder.Finish(), text)
                    << mode.baud << " Bd after " << silenceSeconds << " s of silence, "
                    << (findPolarity ? "finding the polarity" : "told it");
            }
        }
    }
}

TEST(RttyDecoderTest, ASenderOffItsRateAndTwoPathFadingReadAlmostWithoutError) {
    struct Case {
        const char* name;
        double rateOff;
        std::optional<FadingPaths> fading;
        double snrDb;
        std::size_t mostErrors;
    };
    std::string text;
    for (int line = 0; line < 5; ++line) text += kText;
    for (const Case& test : {Case{"1 % fast", 0.01, std::nullopt, -6.0, 3},
                             Case{"1 % slow", -0.01, std::nullopt, -6.0, 3},
                             Case{"moderate fading", 0.0, kModeratePaths, 10.0, 15}}) {
        for (const RttyMode mode : {kAmateur, kWeatherService}) {
            SignalShape shape;
            shape.rateOff = test.rateOff;
            std::vector<float> samples = GenerateRtty(text, mode, shape);
            if (test.fading) ApplyFading(samples, *test.fading, shape.sampleRate, 19);
            AddNoise(samples, test.snrDb, shape, 19);
            const std::string decoded = RttyDecoder(mode, shape.sampleRate).Decode(samples);
            EXPECT_LE(EditDistance(text, decoded), test.mostErrors)
                << test.name << ", " << mode.baud << " Bd: " << testing::PrintToString(decoded);
        }
    }
}

TEST(RttyDecoderTest, ANotchTakesAStrongCarrierNextToTheSignalAway) {
    const SignalShape shape;
    std::vector<float> samples = GenerateRtty(kText, kAmateur, shape);
    for (std::size_t index = 0; index < samples.size(); ++index) {
        samples[index] += 4.0f * static_cast<float>(std::sin(2.0 * std::numbers::pi * 2000.0 * index / shape.sampleRate));
    }
    for (const auto& [firstHz, secondHz] : {std::pair{0.0, 0.0}, {2000.0, 0.0}, {300.0, 2000.0}}) {
        RttyDecoder decoder(kAmateur, shape.sampleRate);
        decoder.SetNotches(firstHz, secondHz);
        EXPECT_EQ(decoder.Decode(samples) == kText, firstHz + secondHz > 0.0) << firstHz << ", " << secondHz;
    }
}

TEST(RttyDecoderTest, TheFrequencyFollowerFindsASignalOffTheMarkAndFollowsItsDrift) {
    struct Case {
        double offsetHz, driftHzPerSecond;
    };
    for (const Case drifting : {Case{100.0, 0.0}, Case{-100.0, 0.0}, Case{-50.0, 9.0}, Case{50.0, -9.0}}) {
        for (const RttyMode mode : {kAmateur, kWeatherService}) {
            SignalShape shape;
            shape.driftHzPerSecond = drifting.driftHzPerSecond;
            RttyMode sent = mode;
            sent.markHz += drifting.offsetHz;
            std::vector<float> samples = GenerateRtty(kText, sent, shape);
            AddNoise(samples, 10.0, shape, 5);
            RttyDecoder decoder(mode, shape.sampleRate);
            const std::string decoded = decoder.Decode(samples);
            const double endHz = sent.markHz + drifting.driftHzPerSecond * samples.size() / shape.sampleRate;
            const std::string what = std::to_string(drifting.offsetHz) + " Hz off, " +
                                     std::to_string(drifting.driftHzPerSecond) + " Hz/s, " + std::to_string(mode.baud) +
                                     " Bd: " + testing::PrintToString(decoded);
            // The first characters go while the follower settles (at 9 Hz/s, the first two seconds).
            EXPECT_NE(decoded.find(kText.substr(39)), std::string::npos) << what;
            EXPECT_NEAR(decoder.MarkHz(), endHz, 8.0) << what;
        }
    }
}

TEST(RttyDecoderTest, AWeakSignalReadsWithoutErrorAndAToneFadingAloneStillDecidesTheBits) {
    for (const RttyMode mode : {kAmateur, kWeatherService}) {
        SignalShape shape;
        std::vector<float> weak = GenerateRtty(kText, mode, shape);
        AddNoise(weak, 0.0, shape, 7);
        EXPECT_EQ(RttyDecoder(mode, shape.sampleRate).Decode(weak), kText) << "0 dB in 3 kHz, " << mode.baud << " Bd";
        // Either tone fading by 20 dB, in noise and nearly without: a faded space tone leaves no pause where a start
        // bit belongs, and the edges between a strong and a faded tone lie where they are.
        shape.markFadeDb = 20.0;
        for (const bool spaceFades : {false, true}) {
            for (const double snrDb : {0.0, 20.0}) {
                shape.spaceFades = spaceFades;
                std::vector<float> fading = GenerateRtty(kText, mode, shape);
                AddNoise(fading, snrDb, shape, 9);
                // The first characters may go while the tone levels settle.
                const std::string decoded = RttyDecoder(mode, shape.sampleRate).Decode(fading);
                EXPECT_NE(decoded.find(kText.substr(17)), std::string::npos)
                    << (spaceFades ? "space" : "mark") << " fading at " << snrDb << " dB, " << mode.baud
                    << " Bd: " << testing::PrintToString(decoded);
            }
        }
    }
}

TEST(RttyDecoderTest, ToneLevelsLetAToneFadedNearTheNoiseHaveLittleSayAndCompareTonesOfOneLevel) {
    // Noise of deviation 1; steady levels learnt from 40 bits of each tone.
    struct Case {
        const char* name;
        double steadyMark, steadySpace;
        // Around the bit: the mark tone's level where sent, or none.
        std::optional<float> markAround;
        ToneMagnitudes tones;
        bool framingMark, mark;
    };
    for (const Case& test : {
             // Equal levels, and levels closer than their noise: the tones compared.
             Case{"equal", 10.0, 10.0, std::nullopt, {5.1f, 5.0f}, true, true},
             Case{"equal", 10.0, 10.0, std::nullopt, {4.9f, 5.0f}, false, false},
             Case{"alike", 10.0, 10.2, std::nullopt, {5.0f, 5.1f}, false, false},
             // Mark faded to the noise around the bit: the space tone decides alone, whatever the steady levels say;
             // framing compares the tones unless the fade is steady.
             Case{"faded around", 10.0, 10.0, 1.0f, {0.5f, 1.2f}, false, true},
             Case{"faded around", 10.0, 10.0, 1.0f, {3.0f, 9.0f}, false, false},
             Case{"faded steadily", 1.5, 10.0, 1.0f, {0.5f, 1.2f}, true, true},
             Case{"faded steadily", 1.5, 10.0, 1.0f, {3.0f, 9.0f}, false, false},
             // Around the bit the mark is back at its steady level.
             Case{"faded steadily, back", 1.5, 10.0, 10.0f, {4.0f, 3.0f}, true, true},
         }) {
        ToneLevels levels;
        levels.SetNoise(std::sqrt(std::numbers::pi / 2.0));
        for (int bit = 0; bit < 40; ++bit) {
            levels.Learn({static_cast<float>(test.steadyMark), 1.0f}, true);
            levels.Learn({1.0f, static_cast<float>(test.steadySpace)}, false);
        }
        std::vector<ToneLevels::Bit> around;
        if (test.markAround) {
            for (int bit = 0; bit < 4; ++bit) {
                around.push_back({{*test.markAround, 1.0f}, true});
                around.push_back({{1.0f, 10.0f}, false});
            }
        }
        const std::string what = std::string(test.name) + " at " + std::to_string(test.tones.mark) + " / " +
                                 std::to_string(test.tones.space);
        EXPECT_EQ(levels.Soft(test.tones) > 0.0f, test.framingMark) << what;
        EXPECT_EQ(levels.SoftAmong(test.tones, around) > 0.0f, test.mark) << what;
    }
}

TEST(RttyDecoderTest, FindMarkFindsTheLowerToneOfASignalOrNothingInNoise) {
    for (const auto& [mode, sampleRate] : {std::pair{RttyMode{45.45, 170.0, 1000.0, false, 1.5}, 8000.0},
                                          {RttyMode{50.0, 450.0, 2125.0, true, 1.5}, 11025.0},
                                          {RttyMode{75.0, 850.0, 600.0, false, 1.0}, 48000.0}}) {
        // The last one starts after more noise than one look at the recording takes.
        SignalShape shape{sampleRate};
        if (sampleRate == 48000.0) shape.silenceBeforeSeconds = 12.0;
        std::vector<float> samples = GenerateRtty(kText, mode, shape);
        AddNoise(samples, 0.0, shape, 11);
        RttyMode guess = mode;
        guess.markHz = 2125.0;
        const std::optional<double> found = FindMark(samples, sampleRate, guess);
        ASSERT_TRUE(found.has_value()) << mode.markHz;
        EXPECT_NEAR(*found, mode.markHz, 4.0);
    }
    std::vector<float> noise(8000 * 8, 0.0f);
    AddNoise(noise, 0.0, SignalShape{}, 13);
    EXPECT_EQ(FindMark(noise, 8000.0, RttyMode{}), std::nullopt);
}

TEST(RttyDecoderTest, ThePolarityIsFoundFromTheSignalAndAToldOneHolds) {
    // Tones written down as numbers, not through the mode's helpers, so that a convention the generator and the decoder
    // share by mistake cannot hide: mark 2125 Hz and space 2295 Hz are normal at 170 Hz shift; the weather service's
    // reversed 450 Hz shift puts mark on the upper tone.
    struct Case {
        double baud, markHz, spaceHz;
        RttyMode mode;
    };
    for (const Case& tones : {Case{45.45, 2125.0, 2295.0, RttyMode{45.45, 170.0, 2125.0, false, 1.5}},
                              Case{50.0, 1450.0, 1000.0, RttyMode{50.0, 450.0, 1000.0, true, 1.5}}}) {
        for (const bool swapped : {false, true}) {
            const double sampleRate = 8000.0;
            std::vector<float> samples;
            double phase = 0.0;
            const auto send = [&](bool mark, double bits) {
                const double hz = mark != swapped ? tones.markHz : tones.spaceHz;
                for (auto count = std::lround(bits * sampleRate / tones.baud); count > 0; --count) {
                    samples.push_back(static_cast<float>(0.5 * std::sin(phase)));
                    phase += 2.0 * std::numbers::pi * hz / sampleRate;
                }
            };
            const auto transmit = [&](std::string_view text, double tailBits) {
                send(true, 20.0);
                for (const std::uint8_t code : EncodeIta2(text)) {
                    send(false, 1.0);
                    for (int bit = 0; bit < 5; ++bit) send(((code >> bit) & 1u) != 0, 1.0);
                    send(true, 1.5);
                }
                send(true, tailBits);
            };
            transmit(kText, 20.0);
            const std::size_t longEnds = samples.size();
            // Too short to decide the polarity by, and the recording ends with its last stop bit.
            transmit("CQ DE", 0.0);
            RttyMode right = tones.mode;
            right.reversed = tones.mode.reversed != swapped;
            RttyMode wrong = right;
            wrong.reversed = !right.reversed;
            const std::string what = std::to_string(tones.baud) + " Bd, " + (swapped ? "swapped" : "as sent");
            const std::span<const float> all(samples);
            EXPECT_EQ(RttyDecoder(right, sampleRate).Decode(all.first(longEnds)), kText) << what;
            EXPECT_EQ(RttyDecoder(wrong, sampleRate).Decode(samples).find("QUICK"), std::string::npos) << what;
            RttyDecoder told(right, sampleRate);
            std::string shortTold = told.Decode(all.subspan(longEnds));
            EXPECT_EQ(shortTold += told.Finish(), "CQ DE") << what;
            // Not told, from either polarity: nothing is lost while deciding,
            // nor when the input ends before a short transmission decided it.
            for (const RttyMode& start : {right, wrong}) {
                RttyDecoder finder(start, sampleRate, {.findPolarity = true});
                EXPECT_EQ(finder.Decode(all.first(longEnds)), kText) << what;
                EXPECT_TRUE(finder.PolarityKnown()) << what;
                EXPECT_EQ(finder.Mode().reversed, right.reversed) << what;
                RttyDecoder shortOnly(start, sampleRate, {.findPolarity = true});
                std::string decoded = shortOnly.Decode(all.subspan(longEnds));
                EXPECT_EQ(decoded += shortOnly.Finish(), "CQ DE") << what;
            }
        }
    }
}

TEST(RttyDecoderTest, ARecordingCutInItsFirstCharacterIsReadInThePolarityThatGoesOnFraming) {
    // Started 30 ms into the letters shift, the wrong polarity too frames the first few characters right: the polarity
    // is decided only once it has failed while the other went on framing (whose timing may take a few characters to
    // settle after the cut).
    const std::string_view text = "CQ CQ DE DL1ABC\r\n";
    for (const RttyMode mode : {kAmateur, kWeatherService}) {
        for (const bool swapped : {false, true}) {
            RttyMode sent = mode;
            sent.reversed = mode.reversed != swapped;
            SignalShape shape;
            shape.leadSeconds = 0.0;
            std::vector<float> samples = GenerateRtty(text, sent, shape);
            AddNoise(samples, 6.0, shape, 5);
            samples.erase(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(0.03 * shape.sampleRate));
            RttyDecoder decoder(mode, shape.sampleRate, {.findPolarity = true});
            std::string decoded = decoder.Decode(samples);
            decoded += decoder.Finish();
            EXPECT_EQ(decoder.Mode().reversed, sent.reversed) << mode.baud << " Bd, swapped " << swapped;
            EXPECT_TRUE(decoded.ends_with("DL1ABC\r\n")) << mode.baud << " Bd, swapped " << swapped << ": "
                                                            << testing::PrintToString(decoded);
        }
    }
}

TEST(RttyDecoderTest, Ita2ShiftsBetweenLettersAndFiguresAndOptionallyUnshiftsOnSpace) {
    const std::vector<std::uint8_t> figuresSpaceLetter = {kIta2Figures, 0x17, 0x04, 0x17, kIta2Letters, 0x17};
    for (const bool unshiftOnSpace : {false, true}) {
        Ita2Reader reader(unshiftOnSpace);
        std::string text;
        for (const std::uint8_t code : figuresSpaceLetter) {
            if (const std::optional<char> character = reader.Read(code)) text += *character;
        }
        EXPECT_EQ(text, unshiftOnSpace ? "1 QQ" : "1 1Q");
    }
    // A figure after a space is shifted again, for receivers of either kind.
    EXPECT_EQ(EncodeIta2("a1 2b"),
              (std::vector<std::uint8_t>{kIta2Letters, 0x03, kIta2Figures, 0x17, 0x04, kIta2Figures, 0x13,
                                         kIta2Letters, 0x19}));
    EXPECT_EQ(EncodeIta2("\r\n%~X"), (std::vector<std::uint8_t>{kIta2Letters, 0x08, 0x02, 0x1D}));
}

TEST(RttyDecoderTest, AShiftReadThroughAWeakBitIsDecidedByTheCodesAroundIt) {
    // Each code's bits as sure as a clear signal makes them, but for one bit
    // that reads wrong, or barely right, by the likelihood given.
    struct Read {
        std::uint8_t code;
        int doubtfulBit = -1;
        float likelihood = 0.0f;
    };
    const auto soft = [](const Read& read) {
        SoftCode code;
        for (int bit = 0; bit < kIta2Bits; ++bit) {
            const bool mark = ((read.code >> bit) & 1u) != 0;
            code.markLikelihoods[static_cast<std::size_t>(bit)] =
                bit == read.doubtfulBit ? read.likelihood : (mark ? 20.0f : -20.0f);
        }
        return code;
    };
    // The bit between the letters (11111) and the figures shift (11011), and
    // the figures shift's first bit, which G (01011) lacks.
    constexpr int kShiftsDiffer = 2;
    constexpr int kFiguresFirst = 0;
    constexpr std::uint8_t kOne = 0x17, kTwo = 0x13, kA = 0x03, kB = 0x19;
    struct Case {
        const char* what;
        std::vector<Read> reads;
        std::string text;
        bool unshiftOnSpace;
    };
    const Case cases[] = {
        {"a letters shift after figures, read as figures by a weak bit",
         {{kIta2Figures}, {kOne}, {kTwo}, {kIta2Letters, kShiftsDiffer, -1.0f}, {kA}, {kB}}, "12AB", false},
        {"the same bit beyond doubt: a figures shift stays one",
         {{kIta2Figures}, {kOne}, {kTwo}, {kIta2Letters, kShiftsDiffer, -20.0f}, {kA}, {kB}}, "12-?", false},
        {"a figures shift read as G by a weak bit, the figures ended by a letters shift",
         {{kIta2Figures, kFiguresFirst, -1.0f}, {kOne}, {kTwo}, {kIta2Letters}, {kA}}, "12A", false},
        {"a figures shift repeated after a space on purpose, barely read",
         {{kIta2Figures}, {kOne}, {kIta2Space}, {kIta2Figures, kShiftsDiffer, -1.0f}, {kTwo}}, "1 2", false},
        {"the same for a receiver that unshifts on space",
         {{kIta2Figures}, {kOne}, {kIta2Space}, {kIta2Figures, kShiftsDiffer, -1.0f}, {kTwo}}, "1 2", true},
    };
    for (const Case& test : cases) {
        CodeDecision decision(test.unshiftOnSpace);
        Ita2Reader reader(test.unshiftOnSpace);
        std::vector<std::uint8_t> codes;
        // Clear text first, from which the decision learns how codes follow one another: figure groups among words, no
        // shift that changes nothing but a figures shift after a space.
        for (int line = 0; line < 20; ++line) {
            for (const std::uint8_t code : EncodeIta2("AB 12 34 CD 3-4 EF5 (6) G7H\r\n")) {
                const std::size_t before = codes.size();
                decision.Add(soft({code}), codes);
                // A clear code is given at once.
                ASSERT_EQ(codes.size(), before + 1) << test.what << ", line " << line;
            }
        }
        decision.Flush(codes);
        // A new transmission: what was learnt holds for it too.
        decision = decision.Afresh();
        codes.clear();
        std::size_t mostHeld = 0;
        for (const Read& read : test.reads) {
            decision.Add(soft(read), codes);
            mostHeld = std::max(mostHeld, decision.Held());
        }
        decision.Flush(codes);
        std::string text;
        for (const std::uint8_t code : codes) {
            if (const std::optional<char> character = reader.Read(code)) text += *character;
        }
        EXPECT_EQ(text, test.text) << test.what;
        EXPECT_EQ(decision.Held(), 0u) << test.what;
        EXPECT_LE(mostHeld, CodeDecision::kMostHeld) << test.what;
    }
}

TEST(RttyDecoderTest, TheSpectrumPeaksAtTheMarkCarrierOfEitherPolarity) {
    for (const bool reversed : {false, true}) {
        const RttyMode mode{50.0, 450.0, 1000.0, reversed, 1.5};
        const SignalShape shape;
        // The lead before the first character is the mark carrier alone.
        const std::vector<float> samples = GenerateRtty("RY", mode, shape);
        Spectrum spectrum(1024, shape.sampleRate);
        const std::span<const float> powerDb = spectrum.PowerDb(std::span(samples).first(1024));
        const auto peak = static_cast<int>(std::max_element(powerDb.begin(), powerDb.end()) - powerDb.begin());
        EXPECT_EQ(peak, spectrum.BinOf(mode.MarkToneHz())) << "reversed " << reversed;
        EXPECT_NEAR(powerDb[static_cast<std::size_t>(peak)], 20.0f * std::log10(shape.amplitude), 1.5f);
        EXPECT_LT(powerDb[static_cast<std::size_t>(spectrum.BinOf(3000.0))], powerDb[static_cast<std::size_t>(peak)] - 60.0f);
    }
}

}  // namespace
}  // namespace zorbel::decoder
