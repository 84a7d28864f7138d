#include "decoder/cli/FaxOptions.h"

#include <stdexcept>

namespace zorbel::decoder {

FaxMode FaxModeFromCommandLine(const CommandLine& line) {
    FaxMode mode;
    mode.ioc = static_cast<int>(NumberOption(line, "ioc", mode.ioc, 288.0, 576.0));
    if (mode.ioc != 288 && mode.ioc != 576) throw std::invalid_argument("--ioc wants 576 or 288");
    mode.deviationHz = NumberOption(line, "deviation", mode.deviationHz, 150.0, 600.0);
    mode.centreHz = NumberOption(line, "centre", mode.centreHz, 1000.0, 2500.0);
    return mode;
}

}  // namespace zorbel::decoder
