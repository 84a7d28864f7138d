#include "win32/Twips.h"

#include <cmath>

namespace zorbel::win32 {

Twips Twips::ForScreen() {
    HDC screen = GetDC(nullptr);
    Twips twips(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return twips;
}

int Twips::FontHeight(double points) const {
    return -static_cast<int>(std::lround(points * dpiY_ / 72.0));
}

}  // namespace zorbel::win32
