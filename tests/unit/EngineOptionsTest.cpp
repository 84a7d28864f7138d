// zorbel-engine's command line: what the program passes ("-r -h<HEX>"), what
// mmtty.bat adds, and how the mode options override the stored mode.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "zorbel-engine/EngineOptions.h"

namespace {

using zorbel::engine_side::ParseEngineOptions;

// The parse as one line (ASCII cases only): main window, file, switches, then the mode applied to the default mode.
std::string Parsed(const std::vector<std::wstring>& arguments) {
    std::wstring error;
    const auto options = ParseEngineOptions(arguments, error);
    if (!options) {
        // The message names the argument at its end.
        const std::wstring named = error.substr(error.rfind(L": ") + 2);
        return "error " + std::string(named.begin(), named.end());
    }
    const auto mode = options->AppliedTo({});
    std::ostringstream line;
    line << std::hex << std::uppercase << options->mainWindow << std::dec << " [" << options->wavPath.size() << "]"
         << (options->fast ? " fast" : "") << (options->repeat ? " repeat" : "") << " | " << mode.baud << " "
         << mode.shiftHz << " " << mode.markHz << " " << mode.stopBits << (mode.reversed ? " reversed" : "");
    return line.str();
}

TEST(EngineOptions, ProgramArgumentsFileSwitchesAndModeOverrides) {
    const struct {
        std::vector<std::wstring> arguments;
        std::string expected;
    } cases[] = {
        {{}, "0 [0] | 45.45 170 2125 1.5"},
        {{L"-r", L"-h1A2B"}, "1A2B [0] | 45.45 170 2125 1.5"},
        {{L"-r", L"-h1A2B", L"--fast", L"--repeat", L"--wav", L"Z:\\a b.wav"}, "1A2B [10] fast repeat | 45.45 170 2125 1.5"},
        {{L"--baud", L"50", L"--shift", L"450", L"--mark", L"1000", L"--reverse", L"--stopbits", L"2"},
         "0 [0] | 50 450 1000 2 reversed"},
        {{L"--baud"}, "error --baud"},
        {{L"--baud", L"0"}, "error --baud"},
        {{L"--mark", L"1000Hz"}, "error --mark"},
        {{L"-hXYZ"}, "error -hXYZ"},
        {{L"--wav"}, "error --wav"},
        {{L"--loud"}, "error --loud"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& argument : c.arguments) shown += std::string(argument.begin(), argument.end()) + " ";
        EXPECT_EQ(c.expected, Parsed(c.arguments)) << shown;
    }
}

}  // namespace
