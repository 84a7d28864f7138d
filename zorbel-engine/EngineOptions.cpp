#include "zorbel-engine/EngineOptions.h"

#include <cwchar>

#include "decoder/DecoderLimits.h"
#include "zorbel-engine/ModeText.h"

namespace zorbel::engine_side {
namespace {

struct ModeNumber {
    const wchar_t* name;
    decoder::ValueRange range;
    std::optional<double> EngineOptions::*target;
};

constexpr ModeNumber kModeNumbers[] = {
    {L"--baud", decoder::kBaudRange, &EngineOptions::baud},
    {L"--shift", decoder::kShiftRange, &EngineOptions::shiftHz},
    {L"--mark", decoder::kMarkRange, &EngineOptions::markHz},
    {L"--stopbits", decoder::kStopBitsRange, &EngineOptions::stopBits},
};

const ModeNumber* FindModeNumber(const std::wstring& argument) {
    for (const ModeNumber& number : kModeNumbers)
        if (argument == number.name) return &number;
    return nullptr;
}

bool ReadNumber(const std::wstring& text, double& number) {
    wchar_t* end = nullptr;
    number = std::wcstod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

bool ReadHex(const std::wstring& text, std::uint64_t& number) {
    wchar_t* end = nullptr;
    number = std::wcstoull(text.c_str(), &end, 16);
    return !text.empty() && end == text.c_str() + text.size();
}

}  // namespace

decoder::RttyMode EngineOptions::AppliedTo(decoder::RttyMode stored) const {
    if (baud) stored.baud = *baud;
    if (shiftHz) stored.shiftHz = *shiftHz;
    if (markHz) stored.markHz = *markHz;
    if (stopBits) stored.stopBits = *stopBits;
    if (reversed) stored.reversed = *reversed;
    return stored;
}

std::optional<EngineOptions> ParseEngineOptions(const std::vector<std::wstring>& arguments, std::wstring& error) {
    EngineOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::wstring& argument = arguments[at];
        const bool hasValue = at + 1 < arguments.size();
        bool ok = true;
        if (argument == L"-r" || argument == L"--fast" || argument == L"--repeat" || argument == L"--unshift-on-space") {
            options.fast |= argument == L"--fast";
            options.repeat |= argument == L"--repeat";
            options.unshiftOnSpace |= argument == L"--unshift-on-space";
        } else if (argument == L"--reverse" || argument == L"--normal") {
            const bool reversed = argument == L"--reverse";
            if (options.reversed.value_or(reversed) != reversed) {
                error = L"--reverse und --normal widersprechen sich.";
                return std::nullopt;
            }
            options.reversed = reversed;
        } else if (argument.starts_with(L"-h") && !argument.starts_with(L"--")) {
            ok = ReadHex(argument.substr(2), options.mainWindow);
        } else if (argument == L"--wav") {
            ok = hasValue;
            if (ok) options.wavPath = arguments[++at];
        } else if (const ModeNumber* modeNumber = FindModeNumber(argument)) {
            double number = 0.0;
            ok = hasValue;
            if (ok && !(ReadNumber(arguments[++at], number) && modeNumber->range.Holds(number))) {
                error = argument + L" verlangt eine Zahl von " + GermanNumber(modeNumber->range.lowest) + L" bis " +
                        GermanNumber(modeNumber->range.highest) + L", nicht „" + arguments[at] + L"“.";
                return std::nullopt;
            }
            if (ok) options.*(modeNumber->target) = number;
        } else {
            ok = false;
        }
        if (!ok) {
            error = L"Unbekannte oder unvollständige Angabe: " + argument;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace zorbel::engine_side
