#include "ScreenPicture.h"

// GDI+ uses the min and max macros of windows.h.
#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

#include <memory>
#include <vector>

namespace bench {
namespace {

struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<RGBQUAD> pixels;  // rows from the top, blue, green, red and a spare byte each
};

ScreenPixels GrabScreen(const RECT& screenRect) {
  ScreenPixels grabbed{screenRect.right - screenRect.left, screenRect.bottom - screenRect.top, {}};
  if (grabbed.width <= 0 || grabbed.height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), grabbed.width, -grabbed.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  // Declared so that the memory DC goes before the bitmap selected into it.
  const std::unique_ptr<HDC__, decltype([](HDC dc) { ReleaseDC(nullptr, dc); })> screen(GetDC(nullptr));
  const std::unique_ptr<HBITMAP__, decltype([](HBITMAP bitmap) { DeleteObject(bitmap); })> bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const std::unique_ptr<HDC__, decltype([](HDC dc) { DeleteDC(dc); })> memory(CreateCompatibleDC(screen.get()));
  if (!bitmap || !memory) return {};
  SelectObject(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, grabbed.width, grabbed.height, screen.get(), screenRect.left, screenRect.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const RGBQUAD*>(bits);
  grabbed.pixels.assign(first, first + static_cast<std::size_t>(grabbed.width) * grabbed.height);
  return grabbed;
}

}  // namespace

double ShareOfColor(const RECT& screenRect, COLORREF color) {
  const ScreenPixels grabbed = GrabScreen(screenRect);
  if (grabbed.pixels.empty()) return 0;
  int matching = 0;
  for (const RGBQUAD& pixel : grabbed.pixels) matching += RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue) == color;
  return static_cast<double>(matching) / static_cast<double>(grabbed.pixels.size());
}

std::string SaveScreenPng(const RECT& screenRect, const std::wstring& pngPath) {
  ScreenPixels grabbed = GrabScreen(screenRect);
  if (grabbed.pixels.empty()) return "nothing to grab";
  ULONG_PTR token = 0;
  const Gdiplus::GdiplusStartupInput startup;
  if (Gdiplus::GdiplusStartup(&token, &startup, nullptr) != Gdiplus::Ok) return "GDI+ does not start";
  Gdiplus::Status saved = Gdiplus::GenericError;
  {
    Gdiplus::Bitmap picture(grabbed.width, grabbed.height, grabbed.width * 4, PixelFormat32bppRGB,
                            reinterpret_cast<BYTE*>(grabbed.pixels.data()));
    // GDI+'s built-in PNG encoder.
    const CLSID pngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    saved = picture.Save(pngPath.c_str(), &pngEncoder, nullptr);
  }
  Gdiplus::GdiplusShutdown(token);
  return saved == Gdiplus::Ok ? "" : "GDI+ could not write the PNG (status " + std::to_string(saved) + ")";
}

}  // namespace bench
