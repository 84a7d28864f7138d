#pragma once
// The command-line options both tools share: the RTTY mode and the files.

#include <map>
#include <string>
#include <vector>

#include "decoder/RttyMode.h"

namespace zorbel::decoder {

struct CommandLine {
    std::vector<std::string> files;
    // Options with a value, by name without the dashes; switches map to "".
    std::map<std::string, std::string> options;
};

// Splits the arguments; throws std::invalid_argument for an unknown option,
// a missing value, no file or more than mostFiles file names. valueOptions and
// switches name what is allowed.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments, const std::vector<std::string>& valueOptions,
                             const std::vector<std::string>& switches, std::size_t mostFiles = 1);

// A number option or the fallback; throws std::invalid_argument if it is no
// number or lies outside [lowest, highest].
double NumberOption(const CommandLine& line, const std::string& name, double fallback, double lowest, double highest);

// --baud, --shift, --mark, --reverse and --stopbits, each where not given
// as in fallback; --reverse swaps fallback's tones.
RttyMode ModeFromCommandLine(const CommandLine& line, const RttyMode& fallback = {});

inline const std::vector<std::string> kModeValueOptions = {"baud", "shift", "mark", "stopbits"};
inline const std::vector<std::string> kModeSwitches = {"reverse"};

}  // namespace zorbel::decoder
