// zorbel-engine's command line and stored settings, which must lie in what the decoder takes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "codepage/Cp1252.h"
#include "zorbel-engine/EngineOptions.h"
#include "zorbel-engine/EngineSettings.h"
#include "fakes/FakeSystem.h"

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
         << (options->fast ? " fast" : "") << (options->repeat ? " repeat" : "")
         << (options->unshiftOnSpace ? " unshift" : "") << " | " << mode.baud << " "
         << mode.shiftHz << " " << mode.markHz << " " << mode.stopBits
         << (options->reversed ? (*options->reversed ? " reversed" : " normal") : "");
    return line.str();
}

TEST(EngineOptions, ProgramArgumentsFileSwitchesAndModeOverridesAndNumbersRefusedWithTheirRange) {
    const struct {
        std::vector<std::wstring> arguments;
        std::string expected;
    } cases[] = {
        {{}, "0 [0] | 45.45 170 2125 1.5"},
        {{L"-r", L"-h1A2B"}, "1A2B [0] | 45.45 170 2125 1.5"},
        {{L"-r", L"-h1A2B", L"--fast", L"--repeat", L"--wav", L"Z:\\a b.wav"}, "1A2B [10] fast repeat | 45.45 170 2125 1.5"},
        {{L"--baud", L"50", L"--shift", L"450", L"--mark", L"1000", L"--reverse", L"--stopbits", L"2",
          L"--unshift-on-space"},
         "0 [0] unshift | 50 450 1000 2 reversed"},
        {{L"--normal", L"--normal"}, "0 [0] | 45.45 170 2125 1.5 normal"},
        {{L"--baud"}, "error --baud"}, {{L"-hXYZ"}, "error -hXYZ"}, {{L"--wav"}, "error --wav"},
        {{L"--loud"}, "error --loud"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& argument : c.arguments) shown += std::string(argument.begin(), argument.end()) + " ";
        EXPECT_EQ(c.expected, Parsed(c.arguments)) << shown;
    }
    const struct {
        std::vector<std::wstring> arguments;
        std::wstring error;
    } refusals[] = {
        {{L"--shift", L"inf"}, L"--shift verlangt eine Zahl von 20 bis 1500, nicht „inf“."},
        {{L"--baud", L"1e-300"}, L"--baud verlangt eine Zahl von 10 bis 300, nicht „1e-300“."},
        {{L"--baud", L"0"}, L"--baud verlangt eine Zahl von 10 bis 300, nicht „0“."},
        {{L"--mark", L"-2125"}, L"--mark verlangt eine Zahl von 300 bis 3000, nicht „-2125“."},
        {{L"--mark", L"1000Hz"}, L"--mark verlangt eine Zahl von 300 bis 3000, nicht „1000Hz“."},
        {{L"--stopbits", L"nan"}, L"--stopbits verlangt eine Zahl von 1 bis 2, nicht „nan“."},
        {{L"--reverse", L"--normal"}, L"--reverse und --normal widersprechen sich."},
    };
    for (const auto& c : refusals) {
        std::wstring error;
        EXPECT_FALSE(ParseEngineOptions(c.arguments, error).has_value());
        EXPECT_EQ(c.error, error);
    }
}

TEST(EngineOptions, StoredSettingsOutsideTheirRangeKeepTheDefaultAndAreNamedOnce) {
    using namespace zorbel::engine_side;
    zorbel::fakes::FakeSettingsStore store;
    store.values = {{L"Baud", L"nan"},    {L"Shift", L"inf"},   {L"Mark", L"1e-300"},
                    {L"Stopbits", L"1.5"}, {L"Revers", L"1"},    {L"BuchstabenNachLeerzeichen", L"1"},
                    {L"Eingang", L"1e300"}, {L"Schnell", L"0.5"}, {L"LetzteDatei", L"Z:\\a.wav"},
                    {L"Navtex", L"1"},     {L"Wetterkartenordner", L"D:\\Karten"}, {L"WetterfaxHub", L"425"},
                    {L"WetterfaxFrequenz", L"1e9"}};
    std::wstring refused;
    const EngineSettings loaded = LoadEngineSettings(store, refused);
    EXPECT_EQ(L"Gespeicherte Einstellung nicht übernommen, es gilt die Vorgabe: „Baud“ = „nan“ (erlaubt 10 bis 300); "
              L"„Shift“ = „inf“ (erlaubt 20 bis 1500); „Mark“ = „1e-300“ (erlaubt 300 bis 3000); „Eingang“ = „1e300“ "
              L"(erlaubt -1 bis 62); „Schnell“ = „0.5“ (erlaubt 0 bis 1); „WetterfaxFrequenz“ = „1e9“ (erlaubt 1000000 bis "
              L"30000000).",
              refused);
    const zorbel::decoder::RttyMode defaults;
    EXPECT_EQ((std::vector{loaded.mode.baud, loaded.mode.shiftHz, loaded.mode.markHz, loaded.mode.stopBits}),
              (std::vector{defaults.baud, defaults.shiftHz, defaults.markHz, 1.5}));
    EXPECT_TRUE(loaded.mode.reversed && loaded.unshiftOnSpace && loaded.device == kNoDevice && !loaded.fast);
    // Stored again, everything reads back as it was and nothing is refused.
    SaveEngineSettings(store, loaded);
    const EngineSettings again = LoadEngineSettings(store, refused);
    EXPECT_EQ(L"", refused);
    EXPECT_TRUE(again.mode.reversed && again.unshiftOnSpace && again.mode.baud == defaults.baud && again.navtex);
    EXPECT_EQ(L"Z:\\a.wav|D:\\Karten", again.lastFile + L"|" + again.chartFolder);
    EXPECT_TRUE(again.faxDeviationHz == 425 && again.faxFrequencyHz == 7'880'000);
}

// Settings from before the polarity, baud and shift were found hold what they chose: a reversed polarity was
// chosen by hand and holds, a normal one was the default and gives way; a stored mode holds, and only a new user
// (nothing of the mode stored) starts finding it. Stored again, each choice reads back the same.
TEST(EngineOptions, NewUsersFindPolarityBaudAndShiftWhileEarlierChoicesHold) {
    using namespace zorbel::engine_side;
    const struct {
        std::vector<std::pair<const wchar_t*, const wchar_t*>> stored;
        const char* after;
    } cases[] = {
        {{}, "polarity found, normal, mode found"},
        {{{L"Revers", L"0"}}, "polarity found, normal, mode found"},
        {{{L"Revers", L"1"}}, "polarity held, reversed, mode found"},
        {{{L"Revers", L"1"}, {L"PolaritaetFinden", L"1"}}, "polarity found, reversed, mode found"},
        {{{L"Revers", L"0"}, {L"PolaritaetFinden", L"0"}}, "polarity held, normal, mode found"},
        {{{L"Baud", L"50"}}, "polarity found, normal, mode held"},
        {{{L"Shift", L"450"}}, "polarity found, normal, mode held"},
        {{{L"Baud", L"50"}, {L"Shift", L"450"}, {L"ModusFinden", L"1"}}, "polarity found, normal, mode found"},
        {{{L"ModusFinden", L"0"}}, "polarity found, normal, mode held"},
    };
    for (const auto& c : cases) {
        zorbel::fakes::FakeSettingsStore store;
        std::string stored;
        for (const auto& [key, value] : c.stored) {
            store.values[key] = value;
            stored += zorbel::WideToCp1252(key) + "=" + zorbel::WideToCp1252(value) + " ";
        }
        std::wstring refused;
        for (const char* when : {"loaded", "stored and loaded again"}) {
            const EngineSettings loaded = LoadEngineSettings(store, refused);
            EXPECT_EQ(c.after, std::string("polarity ") + (loaded.findPolarity ? "found" : "held") + ", " +
                                   (loaded.mode.reversed ? "reversed" : "normal") + ", mode " +
                                   (loaded.findMode ? "found" : "held"))
                << when << ", stored " << stored;
            SaveEngineSettings(store, loaded);
        }
    }
}

}  // namespace
