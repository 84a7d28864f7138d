#include "StandInOptions.h"

#include <charconv>

namespace zorbel::standin {
namespace {

template <typename Number>
bool ReadNumber(const std::string& text, Number& number, int base = 10) {
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, number, base);
    return status == std::errc{} && stop == end;
}

}  // namespace

std::optional<StandInOptions> ParseStandInOptions(const std::vector<std::string>& arguments, std::string& error) {
    StandInOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        // Options with a value take the next argument.
        auto value = [&]() -> std::optional<std::string> {
            if (at + 1 >= arguments.size()) return std::nullopt;
            return arguments[++at];
        };
        bool ok = true;
        if (argument == "-r" || argument == "--fast" || argument == "--silent" || argument == "--feed-on-request" ||
            argument == "--repeat") {
            options.fast |= argument == "--fast";
            options.repeat |= argument == "--repeat";
            options.silent |= argument == "--silent";
            options.feedOnRequest |= argument == "--feed-on-request";
        } else if (argument.rfind("-h", 0) == 0) {
            ok = ReadNumber(argument.substr(2), options.mainWindow, 16);
        } else if (argument == "--log" || argument == "--feed") {
            const auto path = value();
            ok = path.has_value();
            if (ok) (argument == "--log" ? options.logPath : options.feedPath) = *path;
        } else if (argument == "--mark" || argument == "--space" || argument == "--window-delay" ||
                   argument == "--send-code") {
            const auto text = value();
            std::int32_t number = 0;
            ok = text && ReadNumber(*text, number);
            if (argument == "--mark") options.mark = number;
            if (argument == "--space") options.space = number;
            if (argument == "--window-delay") options.windowDelayMs = static_cast<unsigned>(number);
            if (argument == "--send-code") options.extraCode = number;
        } else if (argument == "--notch") {
            const auto text = value();
            const std::size_t comma = text ? text->find(',') : std::string::npos;
            ok = comma != std::string::npos && ReadNumber(text->substr(0, comma), options.notchHigh) &&
                 ReadNumber(text->substr(comma + 1), options.notchLow);
        } else {
            ok = false;
        }
        if (!ok) {
            error = "bad argument: " + argument;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace zorbel::standin
