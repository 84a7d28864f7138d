// The command-line tools' mode options: what the decoder cannot take is refused with its range, NaN included.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "decoder/cli/ModeOptions.h"

namespace zorbel::decoder {
namespace {

RttyMode Mode(const std::vector<std::string>& arguments) {
    return ModeFromCommandLine(ParseCommandLine(arguments, kModeValueOptions, kModeSwitches));
}

TEST(ModeOptionsTest, NanInfinityTinyZeroAndNegativeValuesAreRefusedWithTheRange) {
    const RttyMode mode = Mode({"a.wav", "--baud", "50", "--shift", "450", "--mark", "1000", "--stopbits", "2"});
    EXPECT_EQ((std::vector{mode.baud, mode.shiftHz, mode.markHz, mode.stopBits}), (std::vector{50.0, 450.0, 1000.0, 2.0}));
    std::string failures;
    for (const auto& [name, range] : {std::pair{"baud", "10 to 300"}, {"shift", "20 to 1500"}, {"mark", "300 to 3000"},
                                      {"stopbits", "1 to 2"}}) {
        for (const std::string value : {"nan", "inf", "-inf", "1e-300", "1e400", "0", "-50"}) {
            const std::string expected = std::string("--") + name + " wants a number from " + range + ", not " + value;
            try {
                Mode({"a.wav", std::string("--") + name, value});
                failures += "accepted --" + std::string(name) + " " + value + "\n";
            } catch (const std::invalid_argument& error) {
                if (error.what() != expected) failures += std::string(error.what()) + "\n";
            }
        }
    }
    EXPECT_EQ(failures, "");
}

}  // namespace
}  // namespace zorbel::decoder
