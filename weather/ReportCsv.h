#pragma once
// A decoded report as one line of a spreadsheet as German users open it: semicolons, decimal
// comma, UTF-8; a file starts with the byte-order mark and the header.

#include <string>
#include <string_view>

#include "weather/SynopReport.h"

namespace weather {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Lines end exactly CR LF, as spreadsheets on Windows write them.
inline constexpr std::string_view kCsvLineEnd = "\r\n";

// The column names, without the line end.
std::string_view CsvHeader();

// What a CSV file starts with: the byte-order mark and the header line.
std::string CsvFileStart();

// One line, without the line end: empty cells for what the report does not give; the wind
// direction in degrees, 0 for calm, "umlaufend" for a variable wind.
std::string CsvLine(const SynopReport& report);

}  // namespace weather
