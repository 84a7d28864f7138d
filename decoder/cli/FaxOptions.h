#pragma once
// The radiofax options both tools take: --ioc 576|288, --deviation HZ (400,
// or 425 as the DWD sends), --centre HZ (1900, where the receiver tuned
// 1.9 kHz below the assigned frequency puts it).

#include <string>
#include <vector>

#include "decoder/FaxMode.h"
#include "decoder/cli/ModeOptions.h"

namespace zorbel::decoder {

// Throws std::invalid_argument for a value outside what the decoder takes.
FaxMode FaxModeFromCommandLine(const CommandLine& line);

inline const std::vector<std::string> kFaxValueOptions = {"ioc", "deviation", "centre"};

}  // namespace zorbel::decoder
