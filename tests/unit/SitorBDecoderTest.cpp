// SITOR-B as NAVTEX sends it: the CCIR 476 code, the two interleaved copies, a reader joining late, a lost
// letters shift, and the signal as audio.

#include <gtest/gtest.h>

#include <sstream>

#include "decoder/Ccir476.h"
#include "decoder/FecReader.h"
#include "decoder/FecTransmission.h"
#include "decoder/Ita2.h"
#include "decoder/ShiftReading.h"
#include "decoder/SignalGenerator.h"
#include "decoder/SitorBDecoder.h"
#include "EditDistance.h"

namespace zorbel::decoder {
namespace {

constexpr std::string_view kMessage =
    "ZCZC SA01\r\n"
    "GALE WARNING NR 123 GERMAN BIGHT WEST 8 TO 9, LATER 7.\r\n"
    "NNNN\r\n";
constexpr float kClear = 4.0f;

std::string Hex(const std::vector<std::uint8_t>& codes) {
    std::ostringstream text;
    for (const std::uint8_t code : codes) text << std::hex << static_cast<int>(code) << ' ';
    return text.str();
}

TEST(SitorBDecoderTest, EveryCharacterHasItsCodeWithFourOnesAndReadsBack) {
    struct Case {
        std::string_view text;
        std::uint8_t code;
    };
    // ITA2's letters row, then the figures shift and a figure.
    const Case cases[] = {
        {"A", 0x47}, {"B", 0x72}, {"C", 0x1D}, {"D", 0x53}, {"E", 0x56}, {"F", 0x1B}, {"G", 0x35}, {"H", 0x69},
        {"I", 0x4D}, {"J", 0x17}, {"K", 0x1E}, {"L", 0x65}, {"M", 0x39}, {"N", 0x59}, {"O", 0x71}, {"P", 0x2D},
        {"Q", 0x2E}, {"R", 0x55}, {"S", 0x4B}, {"T", 0x74}, {"U", 0x4E}, {"V", 0x3C}, {"W", 0x27}, {"X", 0x3A},
        {"Y", 0x2B}, {"Z", 0x63}, {"\r", 0x78}, {"\n", 0x6C}, {" ", 0x5C}, {"1", 0x2E}, {"?", 0x72}, {"/", 0x3A}};
    for (const Case& test : cases) {
        const std::vector<std::uint8_t> codes = EncodeCcir476(test.text);
        std::string read;
        Ita2Reader reader;
        for (const std::uint8_t code : codes) {
            if (const auto ita2 = Ita2FromCcir476(code)) {
                if (const auto character = reader.Read(*ita2)) read += *character;
            }
        }
        const bool figure = test.text.find_first_of("1?/") == 0;
        const std::vector<std::uint8_t> expected =
            figure ? std::vector<std::uint8_t>{0x5A, 0x36, test.code} : std::vector<std::uint8_t>{0x5A, test.code};
        EXPECT_TRUE(codes == expected && IsValidCcir476(test.code) && read == test.text)
            << testing::PrintToString(std::string(test.text)) << ": " << Hex(codes) << "read "
            << testing::PrintToString(read);
    }
    // The 35 valid codes: ITA2's 32 and the three SITOR signals, each once.
    std::vector<std::uint8_t> withoutIta2;
    std::vector<int> ita2Seen(32, 0);
    for (const std::uint8_t code : ValidCcir476Codes()) {
        if (const auto ita2 = Ita2FromCcir476(code)) {
            ++ita2Seen[*ita2];
        } else {
            withoutIta2.push_back(code);
        }
    }
    EXPECT_EQ(Hex(withoutIta2), Hex({kCcirAlpha, kCcirBeta, kCcirRepetition}));
    EXPECT_EQ(std::count(ita2Seen.begin(), ita2Seen.end(), 1), 32);
    EXPECT_EQ(Ccir476FromIta2(0), kCcirBlank);
}

// The bits of the slots, each as clear as kClear; a slot in lost is replaced by what a burst or a fade leaves: both
// tones strong, neither, or the mark tone alone.
std::vector<float> SoftBits(const std::vector<std::uint8_t>& slots, const std::vector<bool>& lost = {}) {
    std::vector<float> bits;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        for (int bit = 0; bit < kCcirBits; ++bit) {
            float likelihood = ((slots[slot] >> bit) & 1u) != 0 ? kClear : -kClear;
            if (slot < lost.size() && lost[slot]) likelihood = std::array{0.0f, kClear, -kClear}[slot % 3];
            bits.push_back(likelihood);
        }
    }
    return bits;
}

std::string Read(const std::vector<float>& bits, std::size_t from = 0) {
    FecReader reader;
    std::string text;
    for (std::size_t index = from; index < bits.size(); ++index) reader.Add(bits[index], text);
    reader.Finish(text);
    return text;
}

TEST(SitorBDecoderTest, ACharacterReadsBackFromEitherCopyAlone) {
    constexpr int kPhasingPairs = 10;
    const std::vector<std::uint8_t> slots = FecSlots(kMessage, kPhasingPairs);
    const std::size_t characters = EncodeCcir476(kMessage).size();
    struct Case {
        const char* name;
        bool dxLost, rxLost, alternately;
    };
    for (const Case& test : {Case{"both copies", false, false, false}, Case{"DX lost", true, false, false},
                             Case{"RX lost", false, true, false}, Case{"either lost", true, true, true}}) {
        std::vector<bool> lost(slots.size(), false);
        for (std::size_t character = 0; character < characters; ++character) {
            const std::size_t dx = 2 * (kPhasingPairs + character);
            const bool dxGoes = test.alternately ? character % 2 == 0 : test.dxLost;
            const bool rxGoes = test.alternately ? character % 2 == 1 : test.rxLost;
            lost[dx] = dxGoes;
            lost[dx + kRxDelaySlots] = rxGoes;
        }
        EXPECT_EQ(Read(SoftBits(slots, lost)), kMessage) << test.name;
    }
    // Both copies lost, or both faded into α (one α is not yet the end): an erasure in its place.
    std::vector<bool> lost(slots.size(), false);
    const std::size_t fifth = 2 * (kPhasingPairs + 5);
    lost[fifth] = lost[fifth + kRxDelaySlots] = true;
    std::string expected(kMessage);
    expected[4] = '*';
    EXPECT_EQ(Read(SoftBits(slots, lost)), expected);
    std::vector<std::uint8_t> faded = slots;
    faded[fifth] = faded[fifth + kRxDelaySlots] = kCcirAlpha;
    EXPECT_EQ(Read(SoftBits(faded)), expected);
}

TEST(SitorBDecoderTest, AReaderJoiningMidMessageLocksWithinAFewCharacters) {
    std::string text;
    for (int line = 0; line < 4; ++line) text += "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG\r\n";
    const std::vector<float> bits = SoftBits(FecSlots(text, 10));
    std::ostringstream failures;
    for (const std::size_t joinAt : {700u, 701u, 703u, 707u, 710u, 713u, 1000u}) {
        for (const bool inverted : {false, true}) {
            std::vector<float> heard(bits.begin() + static_cast<std::ptrdiff_t>(joinAt), bits.end());
            if (inverted) {
                for (float& bit : heard) bit = -bit;
            }
            const std::string read = Read(heard);
            // Characters whose DX copy was sent before joining.
            const std::size_t sentBefore = joinAt / (2 * kCcirBits) - 10 - 1;
            const bool suffix = read.size() <= text.size() && text.ends_with(read);
            if (!suffix || read.size() + sentBefore + 4 < text.size()) {
                failures << "joined at bit " << joinAt << (inverted ? " inverted" : "") << ": "
                         << testing::PrintToString(read) << "\n";
            }
        }
    }
    EXPECT_EQ(failures.str(), "");
}

TEST(SitorBDecoderTest, ALostLettersShiftDoesNotLeaveTheWordsAfterItInFigures) {
    // The codes of the text, the one at lost lost with nothing known of it, as a deep fade leaves it.
    struct Case {
        std::string_view text;
        std::size_t lost;
        std::string_view expected;
    };
    // 10 is the letters shift before LATER, 12 its A; 17 the one before the
    // last TO, whose words in figures ("59 0945") hold no rare sign.
    constexpr std::string_view kWind = "WIND 8, LATER SOUTHWEST";
    constexpr std::string_view kPort = "WIND 8 TO 9, TO PORT";
    const Case cases[] = {
        {kWind, 10, kWind}, {kWind, 12, "WIND 8, L*TER SOUTHWEST"}, {kWind, 99, kWind}, {kPort, 17, kPort}};
    for (const Case& test : cases) {
        const std::vector<std::uint8_t> codes = EncodeIta2(test.text);
        ShiftReading reading;
        std::string text;
        for (std::size_t index = 0; index < codes.size(); ++index) {
            if (index == test.lost) {
                reading.AddLost(1.0 / 35.0, 1.0 / 35.0, std::nullopt, text);
            } else {
                reading.Add(codes[index], text);
            }
        }
        reading.Flush(text);
        EXPECT_TRUE(text == test.expected && (test.lost >= codes.size() || codes[test.lost] != kIta2Letters ||
                                              test.expected == test.text))
            << test.text << ": code " << test.lost << " lost, read " << text;
    }
}

std::string DecodeAudio(const std::vector<float>& samples, const RttyMode& mode, double sampleRate) {
    SitorBDecoder decoder(mode, sampleRate);
    std::string text;
    // In blocks, as a sound card delivers them.
    for (std::size_t at = 0; at < samples.size(); at += 1000) {
        text += decoder.Decode(std::span(samples).subspan(at, std::min<std::size_t>(1000, samples.size() - at)));
    }
    return text + decoder.Finish();
}

TEST(SitorBDecoderTest, ABroadcastInNoiseReadsWholeWhereverItsTonesRateAndPolarityLie) {
    struct Case {
        const char* name;
        double sampleRate = 8000.0;
        bool swapped = false;
        double rateOff = 0.0, offsetHz = 0.0, driftHzPerSecond = 0.0;
    };
    const Case cases[] = {{"as set"}, {"11025 Hz", 11025.0}, {"48000 Hz", 48000.0}, {"tones swapped", 8000.0, true},
                          {"0.5 % fast", 8000.0, false, 0.005}, {"0.5 % slow", 8000.0, true, -0.005},
                          {"100 Hz high", 8000.0, false, 0.0, 100.0}, {"100 Hz low", 8000.0, false, 0.0, -100.0},
                          {"drifting 1 Hz/s", 8000.0, false, 0.0, 0.0, 1.0}};
    std::ostringstream failures;
    for (const Case& test : cases) {
        SignalShape shape{test.sampleRate};
        shape.leadSeconds = 3.0;
        shape.silenceBeforeSeconds = shape.silenceAfterSeconds = 2.0;
        shape.rateOff = test.rateOff;
        shape.driftHzPerSecond = test.driftHzPerSecond;
        RttyMode sent = NavtexMode(1000.0 + test.offsetHz);
        sent.reversed = sent.reversed != test.swapped;
        std::vector<float> samples = GenerateSitorB(kMessage, sent, shape);
        AddNoise(samples, 10.0, shape, 5);
        const std::string read = DecodeAudio(samples, NavtexMode(1000.0), test.sampleRate);
        if (read != kMessage) failures << test.name << ": " << testing::PrintToString(read) << "\n";
    }
    EXPECT_EQ(failures.str(), "");
}

TEST(SitorBDecoderTest, ModerateFadingLeavesFewCharactersWrongAndNoiseAloneIsNotRead) {
    std::string text;
    for (int line = 0; line < 6; ++line) text += kMessage;
    SignalShape shape;
    shape.leadSeconds = 3.0;
    std::vector<float> samples = GenerateSitorB(text, NavtexMode(), shape);
    ApplyFading(samples, kModeratePaths, shape.sampleRate, 23);
    AddNoise(samples, 10.0, shape, 23);
    const std::string read = DecodeAudio(samples, NavtexMode(), shape.sampleRate);
    EXPECT_LE(testing_support::EditDistance(text, read), text.size() / 25) << testing::PrintToString(read);
    // Noise alone: every bit's likelihood reaches the copy reader, so this is also its test on noise.
    std::vector<float> noise(static_cast<std::size_t>(120 * shape.sampleRate), 0.0f);
    AddNoise(noise, 0.0, SignalShape{}, 31);
    EXPECT_EQ(DecodeAudio(noise, NavtexMode(), shape.sampleRate), "");
}

}  // namespace
}  // namespace zorbel::decoder
