// The engine's wire contract: the shared block bytes, the engine's command
// line and path, and the packing of values into lParam.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/EngineAnswerCollector.h"
#include "engine/EngineCodes.h"
#include "engine/EngineCommandLine.h"
#include "engine/EngineValues.h"
#include "engine/SharedBlock.h"

namespace zorbel::engine {
namespace {

std::string Bytes(const SharedBlockImage& image, std::size_t offset, std::size_t count) {
    return std::string(image.begin() + offset, image.begin() + offset + count);
}

// True when every byte of [from, to) holds the value.
bool AllBytesAre(const SharedBlockImage& image, std::size_t from, std::size_t to, std::uint8_t value) {
    for (std::size_t at = from; at < to; ++at) {
        if (image[at] != value) return false;
    }
    return true;
}

TEST(SharedBlockTest, EveryFieldSitsAtItsOffsetWithItsPadding) {
    const SharedBlockImage image = MakeSharedBlockImage();
    ASSERT_EQ(image.size(), 20672u);

    EXPECT_TRUE(AllBytesAre(image, 0, 4, 0));
    EXPECT_EQ(Bytes(image, 4, 12), "MMTTY Engine");
    EXPECT_EQ(image[16], 0);
    EXPECT_TRUE(AllBytesAre(image, 17, 132, ' ')) << "115 blanks fill the title field";

    EXPECT_EQ(Bytes(image, 132, 4), "NONE");
    EXPECT_EQ(image[136], 0);
    EXPECT_TRUE(AllBytesAre(image, 137, 148, ' '));

    EXPECT_EQ(Bytes(image, 148, 4), std::string("\x01\0\0\0", 4)) << "little-endian 1";
    EXPECT_TRUE(AllBytesAre(image, 152, 12464, 0)) << "the value 0 at 152 and the zeros behind it";

    EXPECT_EQ(Bytes(image, 12464, 4), "NONE");
    EXPECT_EQ(image[12468], 0);
    EXPECT_TRUE(AllBytesAre(image, 12469, 12480, ' '));
    EXPECT_TRUE(AllBytesAre(image, 12480, 20672, 0));
}

TEST(EngineCommandLineTest, HandleInUpperCaseHexWithoutLeadingZeros) {
    EXPECT_EQ(EngineCommandLine("mmtty", 0x1A2F4), "mmtty -r -h1A2F4");
    EXPECT_EQ(EngineCommandLine("mmtty", 0x00ABCDEF0ULL), "mmtty -r -hABCDEF0");
    EXPECT_EQ(EngineCommandLine("mmtty", 0), "mmtty -r -h0");
}

TEST(EngineCommandLineTest, VB6AnywhereInTheDirectorySelectsTheDevelopmentPath) {
    const std::string developmentPath = "c:\\VB6\\Projekte\\Hinnok\\RTTY\\VQ_RTTY\\mmtty";
    EXPECT_EQ(EngineBasePath("d:\\vb6\\test"), developmentPath) << "the test is made in upper case";
    EXPECT_EQ(EngineBasePath("Z:\\work\\myVb6Tools"), developmentPath);
    EXPECT_EQ(EngineBasePath("C:\\Programme\\ZORBEL"), "mmtty");
    EXPECT_EQ(EngineBasePath("C:\\VB5"), "mmtty");
}

TEST(EngineValuesTest, NotchPairHighWordFallsBackToTheLowWord) {
    const NotchPair both = UnpackNotchPair(0x03E80000);
    EXPECT_EQ(both.high, 1000);
    EXPECT_EQ(both.low, 0);

    const NotchPair lowOnly = UnpackNotchPair(0x000004B0);
    EXPECT_EQ(lowOnly.high, 1200);
    EXPECT_EQ(lowOnly.low, 1200);
}

TEST(EngineValuesTest, NotchHighIsATruncatingDivisionNotTheHighWord) {
    // 0xFFFB0010 = -327664; divided by 65536 that is -4.9998, truncated to -4.
    const NotchPair pair = UnpackNotchPair(static_cast<std::int32_t>(0xFFFB0010u));
    EXPECT_EQ(pair.high, -4);
    EXPECT_EQ(pair.low, 0x10);
}

TEST(EngineValuesTest, PackingPutsTheSecondValueIntoTheLowWord) {
    EXPECT_EQ(PackNotchPair(1200, 1000), 78644200);
    EXPECT_EQ(PackNotchPair(1000, 1200), 65537200);
    EXPECT_EQ(PackNotchPair(40000, 1000), static_cast<std::int32_t>((40000u << 16) | 1000u))
        << "a kept notch beyond 32767 travels as its 16-bit pattern instead of overflowing";
    EXPECT_EQ(PackDockPosition(10, 600), 600 * 65536 + 10);
    EXPECT_EQ(PackDockPosition(-8, 600), 600 * 65536 - 8) << "a left edge off the screen";
}

TEST(EngineAnswerCollectorTest, EachAnswerCountsOnceAndRepeatsOverwrite) {
    EngineValues values;
    values.valueB = 77;
    EngineAnswerCollector collector(values);

    EXPECT_TRUE(collector.Take(0x8007, 2125));
    EXPECT_TRUE(collector.Take(0x8007, 2130));
    EXPECT_FALSE(collector.Take(0x8003, 'A')) << "a character is no answer";
    EXPECT_FALSE(collector.Take(0x8000, 1234));
    EXPECT_EQ(collector.Answered(), 1);
    EXPECT_EQ(values.valueA, 2130);
    EXPECT_EQ(values.valueB, 77) << "an answer that has not arrived keeps its old value";

    EXPECT_TRUE(collector.Take(0x8011, 0x03E804B0));
    EXPECT_FALSE(collector.Complete());
    EXPECT_TRUE(collector.Take(0x8008, 2295));
    EXPECT_TRUE(collector.Complete());
    EXPECT_EQ(values.valueB, 2295);
    EXPECT_EQ(values.notchHigh, 1000);
    EXPECT_EQ(values.notchLow, 1200);
}

}  // namespace
}  // namespace zorbel::engine
