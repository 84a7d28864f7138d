// The engine's wire contract: the shared block, the command line and path, values packed into lParam.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/EngineAnswerCollector.h"
#include "engine/EngineCommandLine.h"
#include "engine/SharedBlock.h"

namespace zorbel::engine {
namespace {

TEST(SharedBlockTest, TextFieldsAreBlankPaddedBehindAZeroAndTheFlagsLittleEndian) {
    const SharedBlockImage image = MakeSharedBlockImage();
    const auto bytes = [&image](std::size_t offset, std::size_t count) {
        return std::string(image.begin() + offset, image.begin() + offset + count);
    };
    ASSERT_EQ(image.size(), 20672u);
    EXPECT_EQ(bytes(4, 128), std::string("MMTTY Engine\0", 13) + std::string(115, ' '));
    EXPECT_EQ(bytes(132, 16), std::string("NONE\0", 5) + std::string(11, ' '));
    EXPECT_EQ(bytes(12464, 16), std::string("NONE\0", 5) + std::string(11, ' '));
    EXPECT_EQ(bytes(148, 8), std::string("\1\0\0\0\0\0\0\0", 8)) << "1 at 148, 0 at 152";
    // Everything else is 0: the three text fields hold 127 + 15 + 15 bytes that are not, the flag one.
    EXPECT_EQ(std::count_if(image.begin(), image.end(), [](std::uint8_t byte) { return byte != 0; }), 158);
}

TEST(EngineCommandLineTest, DevelopmentPathForVB6AndABatchFileRunsThroughTheCommandProcessorByItsFullPath) {
    const std::string developmentPath = "c:\\VB6\\Projekte\\Hinnok\\RTTY\\VQ_RTTY\\mmtty";
    for (const auto& [directory, path] : {std::pair{"d:\\vb6\\test", developmentPath},
                                          {"Z:\\work\\myVb6Tools", developmentPath},
                                          {"C:\\Programme\\ZORBEL", std::string("mmtty")},
                                          {"C:\\VB5", std::string("mmtty")}})
        EXPECT_EQ(EngineBasePath(directory), path) << directory;
    // The handle in upper-case hex without leading zeros.
    const EngineLaunch exe = PlanEngineLaunch("mmtty", EngineProgram::Executable, "C:\\cmd.exe", 0x1A2F4);
    EXPECT_EQ(exe.application + '|' + exe.commandLine, "mmtty.exe|mmtty -r -h1A2F4");
    EXPECT_EQ(EngineCommandLine("mmtty", 0), "mmtty -r -h0");
    EXPECT_TRUE(exe.processEndEndsWait);
    EXPECT_FALSE(exe.withoutConsole);
    const EngineLaunch bat = PlanEngineLaunch("mmtty", EngineProgram::BatchFile, "C:\\cmd.exe", 0x1A2F4);
    EXPECT_EQ(bat.application + '|' + bat.commandLine, "C:\\cmd.exe|\"C:\\cmd.exe\" /c mmtty -r -h1A2F4");
    EXPECT_FALSE(bat.processEndEndsWait);
    EXPECT_TRUE(bat.withoutConsole) << "a console window would stand open all session";

    for (const auto& [comSpec, path] : {std::pair{"D:\\Tools\\tcc.exe", "D:\\Tools\\tcc.exe"},
                                        {"\\\\server\\share\\cmd.exe", "\\\\server\\share\\cmd.exe"},
                                        {"cmd.exe", "C:\\windows\\system32\\cmd.exe"}})
        EXPECT_EQ(CommandProcessorPath(comSpec, "C:\\windows\\system32"), path) << comSpec;
}

// A notch only in the low word serving both is shown by the notch command's first use.
TEST(EngineValuesTest, UnpackingTruncatesTheHighHalfAndPackingPutsTheSecondValueIntoTheLowWord) {
    const NotchPair unpacked = UnpackNotchPair(static_cast<std::int32_t>(0xFFFB0010));
    EXPECT_EQ(std::pair(unpacked.high, unpacked.low), std::pair(-4, 0x10)) << "-327664 / 65536 = -4.9998 truncates";
    EXPECT_EQ(std::pair(UnpackNotchPair(0x03E80000).high, UnpackNotchPair(0x03E80000).low), std::pair(1000, 0));
    EXPECT_EQ(PackNotchPair(40000, 1000), static_cast<std::int32_t>((40000u << 16) | 1000u))
        << "a kept notch beyond 32767 travels as its 16-bit pattern instead of overflowing";
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
    EXPECT_EQ(collector.Result().answered, 1);
    EXPECT_EQ(values.valueA, 2130);
    EXPECT_EQ(values.valueB, 77) << "an answer that has not arrived keeps its old value";

    EXPECT_TRUE(collector.Take(0x8011, 0x03E804B0));
    EXPECT_FALSE(collector.Complete());
    EXPECT_TRUE(collector.Take(0x8008, 2295));
    EXPECT_TRUE(collector.Complete());
    EXPECT_EQ(values.valueB, 2295);
    EXPECT_EQ(std::pair(values.notchHigh, values.notchLow), std::pair(1000, 1200));
}

}  // namespace
}  // namespace zorbel::engine
