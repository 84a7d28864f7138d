#include "ScreenMetrics.h"

#include <windows.h>

namespace bench {

int ScreenDpiX() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int ToPx(int twips) { return MulDiv(twips, ScreenDpiX(), 1440); }

}  // namespace bench
