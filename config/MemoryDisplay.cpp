#include "config/MemoryDisplay.h"

#include "config/ProgramValues.h"

namespace zorbel {

std::string KiloBytesText(std::uint64_t bytes, std::string_view thousandsSeparator) {
    // Rounded like the number format of a division result.
    const std::uint64_t kiloBytes = bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0);
    const std::string digits = std::to_string(kiloBytes);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += thousandsSeparator;
        grouped += digits[i];
    }
    return grouped + std::string(values::kKiloByteUnit);
}

MemoryDisplay::MemoryDisplay(const platform::MemoryStatus& memory, const platform::Locale& locale,
                             platform::StatusPanels& panels, platform::Dialogs& dialogs)
    : memory_(memory), locale_(locale), panels_(panels), dialogs_(dialogs) {}

void MemoryDisplay::Show(bool quiet) {
    const auto figures = memory_.Query();
    const std::string load = std::to_string(figures.loadPercent);
    if (!quiet) {
        const std::string separator = locale_.ThousandsSeparator();
        const std::string report = std::string(values::kMemoryReportTotal) +
                                   KiloBytesText(figures.totalPhysical, separator) +
                                   std::string(values::kMemoryReportFree) +
                                   KiloBytesText(figures.availablePhysical, separator) +
                                   std::string(values::kMemoryReportLoad) + load + std::string(values::kPercentUnit);
        const std::uint32_t freePercent = figures.loadPercent < 100 ? 100 - figures.loadPercent : 0;
        if (freePercent < values::kMemoryShortBelowFreePercent) {
            dialogs_.ShowMessage(platform::MessageIcon::Exclamation,
                                 std::string(values::kMemoryWarningPrompt) + std::to_string(freePercent) +
                                     std::string(values::kPercentUnit),
                                 values::kMemoryWarningTitle);
        }
        dialogs_.ShowMessage(platform::MessageIcon::Information, report, values::kMemoryReportTitle);
    }
    panels_.SetPanelText(platform::Panel::Memory, std::string(values::kMemoryPanelPrefix) + load + std::string(values::kPercentUnit));
}

}  // namespace zorbel
