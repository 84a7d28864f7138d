// The weather report reader under arbitrary text: libFuzzer's entry point, also replayed over
// the seeds in synop-seeds/ by any compiler. Every report found is also worded, as the
// command-line tool and the weather window do, so a value out of any table's range shows.

#include <cstdint>
#include <string_view>

#include "weather/ReadSynop.h"
#include "weather/ReportCsv.h"
#include "weather/ReportText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const weather::SynopReport& report : weather::ReadSynopReports(text)) {
        (void)weather::ReadableReport(report);
        (void)weather::CsvLine(report);
    }
    return 0;
}
