// The Rx window's text as lines, and the message lines that zorbel writes
// into it: a label, the local date and time, a line end.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Lines without their line ends; a final line end makes no empty line.
std::vector<std::wstring> RxLines(HWND rx);

// `line` is `label` followed by the date and time of a second between
// `since` and now.
::testing::AssertionResult IsMessageLine(const std::wstring& line, const std::wstring& label,
                                         const SYSTEMTIME& since);
