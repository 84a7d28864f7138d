// What the screen shows inside a rectangle: read back for colour checks,
// or saved as a PNG picture for a person to judge.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// The share (0 to 1) of the screen's pixels in `screenRect` that have `color`.
double ShareOfColor(const RECT& screenRect, COLORREF color);

// Writes the rectangle as a PNG file; returns an error text or "".
std::string SaveScreenPng(const RECT& screenRect, const std::wstring& pngPath);

}  // namespace bench
