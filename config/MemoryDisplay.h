#pragma once
// The memory load in status panel 3 and, on request, the RAM report with a
// warning when little physical memory is free.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Dialogs.h"
#include "platform/Locale.h"
#include "platform/MemoryStatus.h"
#include "platform/StatusPanels.h"

namespace zorbel {

// Bytes as whole kilobytes with grouped thousands and at least one digit, e.g. "16.777.216 KByte".
std::string KiloBytesText(std::uint64_t bytes, std::string_view thousandsSeparator);

class MemoryDisplay {
public:
    MemoryDisplay(const platform::MemoryStatus& memory, const platform::Locale& locale,
                  platform::StatusPanels& panels, platform::Dialogs& dialogs);

    // Quiet: panel 3 only. Otherwise the warning (when short), the report, then panel 3.
    void Show(bool quiet);

private:
    const platform::MemoryStatus& memory_;
    const platform::Locale& locale_;
    platform::StatusPanels& panels_;
    platform::Dialogs& dialogs_;
};

}  // namespace zorbel
