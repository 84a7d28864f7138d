#include "RxMessageLines.h"

#include <algorithm>
#include <sstream>

#include "LocaleTexts.h"
#include "TextConversion.h"
#include "WindowQueries.h"

std::vector<std::wstring> RxLines(HWND rx) {
  std::wistringstream text(bench::TextWithLineFeeds(rx));
  std::vector<std::wstring> lines;
  for (std::wstring line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

::testing::AssertionResult IsMessageLine(const std::wstring& line, const std::wstring& label,
                                         const SYSTEMTIME& since) {
  const auto times = bench::GeneralDateTimesSince(since);
  if (std::any_of(times.begin(), times.end(), [&](const std::wstring& time) { return line == label + time; }))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << '"' << bench::WideToUtf8(line) << "\" is not \""
                                       << bench::WideToUtf8(label) << "\" with a time from "
                                       << bench::WideToUtf8(times.front()) << " to "
                                       << bench::WideToUtf8(times.back());
}
