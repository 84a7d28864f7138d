#include "decoder/cli/ModeOptions.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "decoder/DecoderLimits.h"

namespace zorbel::decoder {
namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments, const std::vector<std::string>& valueOptions,
                             const std::vector<std::string>& switches, std::size_t mostFiles) {
    CommandLine line;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument.rfind("--", 0) != 0) {
            if (line.files.size() == mostFiles) throw std::invalid_argument("one file too many given: " + argument);
            line.files.push_back(argument);
            continue;
        }
        const std::string name = argument.substr(2);
        if (Contains(switches, name)) {
            line.options[name] = "";
        } else if (Contains(valueOptions, name)) {
            if (index + 1 == arguments.size()) throw std::invalid_argument(argument + " needs a value");
            line.options[name] = arguments[++index];
        } else {
            throw std::invalid_argument("unknown option " + argument);
        }
    }
    if (line.files.empty()) throw std::invalid_argument("no file given");
    return line;
}

double NumberOption(const CommandLine& line, const std::string& name, double fallback, double lowest, double highest) {
    const auto found = line.options.find(name);
    if (found == line.options.end()) return fallback;
    double value = 0.0;
    std::size_t used = 0;
    try {
        value = std::stod(found->second, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    // Written so that NaN fails it too (every comparison with NaN is false).
    if (used == 0 || used != found->second.size() || !(value >= lowest && value <= highest)) {
        std::ostringstream message;
        message << "--" << name << " wants a number from " << lowest << " to " << highest << ", not " << found->second;
        throw std::invalid_argument(message.str());
    }
    return value;
}

RttyMode ModeFromCommandLine(const CommandLine& line, const RttyMode& fallback) {
    RttyMode mode = fallback;
    const auto option = [&](const char* name, double fallback, ValueRange range) {
        return NumberOption(line, name, fallback, range.lowest, range.highest);
    };
    mode.baud = option("baud", mode.baud, kBaudRange);
    mode.shiftHz = option("shift", mode.shiftHz, kShiftRange);
    mode.markHz = option("mark", mode.markHz, kMarkRange);
    mode.stopBits = option("stopbits", mode.stopBits, kStopBitsRange);
    mode.reversed = fallback.reversed != line.options.contains("reverse");
    return mode;
}

}  // namespace zorbel::decoder
