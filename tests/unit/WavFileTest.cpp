// The WAV reader on the shapes recordings come in, and on files that are not recordings.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>

#include "decoder/WavFile.h"
#include "zorbel-engine/PlaybackTexts.h"

namespace zorbel::decoder {
namespace {

std::string Little(std::uint32_t value, int size) {
    std::string bytes;
    for (int index = 0; index < size; ++index) bytes += static_cast<char>((value >> (8 * index)) & 0xFFu);
    return bytes;
}

std::string Fmt(std::uint16_t format, std::uint16_t channels, std::uint16_t bits, std::uint32_t rate = 11025) {
    return "fmt " + Little(16, 4) + Little(format, 2) + Little(channels, 2) + Little(rate, 4) +
           Little(rate * channels * bits / 8, 4) + Little(channels * bits / 8u, 2) + Little(bits, 2);
}

// The size fields differ from the sizes only in a streamed or interrupted recording.
std::string Wav(std::uint16_t format, std::uint16_t channels, std::uint16_t bits, const std::string& data,
                std::optional<std::uint32_t> dataSizeField = {}, std::optional<std::uint32_t> riffSizeField = {}) {
    const std::string chunks = Fmt(format, channels, bits) + "LIST" + Little(3, 4) + "abc" + std::string(1, '\0') +
                               "data" + Little(dataSizeField.value_or(static_cast<std::uint32_t>(data.size())), 4) + data;
    return "RIFF" + Little(riffSizeField.value_or(static_cast<std::uint32_t>(4 + chunks.size())), 4) + "WAVE" + chunks;
}

TEST(WavFileTest, ReadsTheFirstChannelOfEveryCommonSampleFormatAndWhatItWrites) {
    const float half = 0.5f;
    std::string floatBytes(reinterpret_cast<const char*>(&half), 4);
    const struct {
        const char* shape;
        std::string file;
        std::vector<float> samples;
    } cases[] = {
        {"8-bit mono", Wav(1, 1, 8, "\x80\xC0\x40"), {0.0f, 0.5f, -0.5f}},
        {"16-bit stereo", Wav(1, 2, 16, Little(0x4000, 2) + Little(0x7FFF, 2) + Little(0xC000, 2) + Little(0, 2)),
         {0.5f, -0.5f}},
        {"24-bit mono", Wav(1, 1, 24, Little(0x400000, 3) + Little(0xE00000, 3)), {0.5f, -0.25f}},
        {"32-bit float stereo", Wav(3, 2, 32, floatBytes + Little(0, 4)), {0.5f}},
    };
    for (const auto& sample : cases) {
        const WavAudio audio = ParseWav(sample.file);
        EXPECT_EQ(audio.sampleRate, 11025.0) << sample.shape;
        EXPECT_EQ(audio.samples, sample.samples) << sample.shape;
    }
    // And what it writes itself.
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "zorbel-wav-test.wav";
    WriteWavFile(path, {8000.0, {0.0f, 0.5f, -1.0f, 2.0f}});
    const WavAudio audio = ReadWavFile(path);
    std::filesystem::remove(path);
    EXPECT_EQ(audio.sampleRate, 8000.0);
    ASSERT_EQ(audio.samples.size(), 4u);
    EXPECT_NEAR(audio.samples[1], 0.5f, 1e-4f);
    EXPECT_NEAR(audio.samples[2], -1.0f, 1e-4f);
    EXPECT_NEAR(audio.samples[3], 1.0f, 1e-4f);  // clipped
}

// What arecord, SDR programs and anything writing to a pipe leave, and a recording cut short.
TEST(WavFileTest, TakesWhatAStreamedOrInterruptedRecordingHoldsUpToItsLastWholeFrame) {
    const std::string threeAndAHalfFrames = Little(0x4000, 2) + Little(0xC000, 2) + Little(0, 2) + "\x7F";
    const std::vector<float> three = {0.5f, -0.5f, 0.0f};
    const struct {
        const char* shape;
        std::string file;
        WavLength length;
    } cases[] = {
        {"data size 0xFFFFFFFF", Wav(1, 1, 16, threeAndAHalfFrames, 0xFFFFFFFF), WavLength::EndsEarly},
        {"data size 0x7FFFFFFF", Wav(1, 1, 16, threeAndAHalfFrames, 0x7FFFFFFF), WavLength::EndsEarly},
        {"data size 0x80000000", Wav(1, 1, 16, threeAndAHalfFrames, 0x80000000), WavLength::EndsEarly},
        {"data size beyond the file", Wav(1, 1, 16, threeAndAHalfFrames, 400), WavLength::EndsEarly},
        {"data size 0", Wav(1, 1, 16, threeAndAHalfFrames, 0), WavLength::NotGiven},
        {"RIFF size 0", Wav(1, 1, 16, threeAndAHalfFrames.substr(0, 6), {}, 0), WavLength::AsHeaderSays},
        {"RIFF size 0xFFFFFFFF", Wav(1, 1, 16, threeAndAHalfFrames.substr(0, 6), {}, 0xFFFFFFFF),
         WavLength::AsHeaderSays},
    };
    for (const auto& sample : cases) {
        const WavAudio audio = ParseWav(sample.file);
        EXPECT_EQ(audio.samples, three) << sample.shape;
        EXPECT_EQ(audio.length, sample.length) << sample.shape;
    }
    EXPECT_EQ(WavLengthNote({8000.0, std::vector<float>(4000), WavLength::EndsEarly}),
              "the WAV file ends before the size its header gives (an interrupted or streamed recording); reading the "
              "0.5 s the file holds");
    EXPECT_EQ(WavLengthNote({8000.0, std::vector<float>(4000), WavLength::AsHeaderSays}), "");
}

// In English for the command-line tools, in German on the engine's message line.
TEST(WavFileTest, RefusesWhatIsNoRecordingTheDecoderCanTakeWithAMessage) {
    const struct {
        std::string file;
        const char* message;
        const wchar_t* german;
    } cases[] = {
        {"hello, world", "not a WAV file (no RIFF/WAVE header)", L"sie ist keine WAV-Datei (der RIFF/WAVE-Kopf fehlt)"},
        {Wav(1, 1, 16, ""), "the WAV file holds no audio", L"sie enthält keine Audiodaten"},
        {Wav(1, 1, 16, "\x01", 0xFFFFFFFF), "the WAV file holds no audio", L"sie enthält keine Audiodaten"},
        // 46 bytes whose rate alone once asked for gigabytes of buffers.
        {"RIFF" + Little(38, 4) + "WAVE" + Fmt(1, 1, 16, 4294967295u) + "data" + Little(2, 4) + Little(1, 2),
         "the WAV file's rate of 4294967295 Hz is outside the 1000 to 384000 Hz the decoder takes",
         L"ihre Abtastrate von 4294967295 Hz liegt nicht zwischen 1000 und 384000 Hz"},
        {Wav(1, 1, 16, "").substr(0, 40), "the WAV file is truncated: it has no data",
         L"sie ist abgeschnitten, die Audiodaten fehlen"},
        {"RIFF" + Little(4, 4) + "WAVE", "the WAV file is truncated: it has no format",
         L"sie ist abgeschnitten, der Formatabschnitt fehlt"},
        {Wav(2, 1, 4, "xx"), "unsupported WAV sample format (code 2, 4 bits); use PCM of 8, 16 or 24 bits or 32-bit float",
         L"ihr Sampleformat wird nicht unterstützt (Code 2, 4 Bit); lesbar sind PCM mit 8, 16 oder 24 Bit und "
         L"32-Bit-Gleitkomma"},
    };
    for (const auto& sample : cases) {
        try {
            ParseWav(sample.file);
            ADD_FAILURE() << "accepted: " << sample.message;
        } catch (const WavError& error) {
            EXPECT_STREQ(error.what(), sample.message);
            EXPECT_EQ(engine_side::WavRefusalText(L"a.wav", error),
                      L"Die Datei „a.wav“ lässt sich nicht abspielen: " + std::wstring(sample.german) + L".")
                << sample.message;
        }
    }
    try {
        ReadWavFile(std::filesystem::temp_directory_path() / "zorbel-no-such-recording.wav");
        ADD_FAILURE() << "a missing file was read";
    } catch (const WavError& error) {
        EXPECT_EQ(engine_side::WavRefusalReason(error), L"sie lässt sich nicht öffnen") << error.what();
    }
}

}  // namespace
}  // namespace zorbel::decoder
