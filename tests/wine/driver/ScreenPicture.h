// What the screen shows inside a rectangle: read back for colour checks,
// or saved as a PNG picture for a person to judge.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<RGBQUAD> pixels;  // rows from the top, blue, green, red and a spare byte each
};

ScreenPixels GrabScreen(const RECT& screenRect);

// Writes the rectangle as a PNG file; returns an error text or "".
std::string SaveScreenPng(const RECT& screenRect, const std::wstring& pngPath);

}  // namespace bench
