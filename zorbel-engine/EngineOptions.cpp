#include "zorbel-engine/EngineOptions.h"

#include <cwchar>

namespace zorbel::engine_side {
namespace {

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
    if (reversed) stored.reversed = true;
    return stored;
}

std::optional<EngineOptions> ParseEngineOptions(const std::vector<std::wstring>& arguments, std::wstring& error) {
    EngineOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::wstring& argument = arguments[at];
        const bool hasValue = at + 1 < arguments.size();
        bool ok = true;
        if (argument == L"-r" || argument == L"--fast" || argument == L"--repeat" || argument == L"--reverse") {
            options.fast |= argument == L"--fast";
            options.repeat |= argument == L"--repeat";
            options.reversed |= argument == L"--reverse";
        } else if (argument.starts_with(L"-h") && !argument.starts_with(L"--")) {
            ok = ReadHex(argument.substr(2), options.mainWindow);
        } else if (argument == L"--wav") {
            ok = hasValue;
            if (ok) options.wavPath = arguments[++at];
        } else if (argument == L"--baud" || argument == L"--shift" || argument == L"--mark" ||
                   argument == L"--stopbits") {
            double number = 0.0;
            ok = hasValue && ReadNumber(arguments[++at], number) && number > 0.0;
            auto& target = argument == L"--baud"    ? options.baud
                           : argument == L"--shift" ? options.shiftHz
                           : argument == L"--mark"  ? options.markHz
                                                    : options.stopBits;
            if (ok) target = number;
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
