// Twips to pixels the way the program converts them.
#pragma once

namespace bench {

int ScreenDpiX();

// MulDiv(twips, dpi, 1440) with the screen's horizontal DPI.
int ToPx(int twips);

}  // namespace bench
