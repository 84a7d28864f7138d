#pragma once
// Window geometry is designed in twips (1/1440 inch); the screen's DPI turns
// each length into pixels, so the window scales with the display setting.

#include <windows.h>

namespace zorbel::win32 {

class Twips {
public:
    static Twips ForScreen();
    Twips(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

    int ToPxX(int twips) const { return MulDiv(twips, dpiX_, 1440); }
    int ToPxY(int twips) const { return MulDiv(twips, dpiY_, 1440); }
    int ToTwipsX(int pixels) const { return MulDiv(pixels, 1440, dpiX_); }
    int ToTwipsY(int pixels) const { return MulDiv(pixels, 1440, dpiY_); }
    int DpiY() const { return dpiY_; }
    // Font height in pixels for a size in points (negative: character height).
    int FontHeight(double points) const;

private:
    int dpiX_;
    int dpiY_;
};

}  // namespace zorbel::win32
