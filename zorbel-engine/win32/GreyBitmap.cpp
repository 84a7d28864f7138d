#include "zorbel-engine/win32/GreyBitmap.h"

#include <algorithm>

namespace zorbel::engine_side {

// Top row first: the DIB stands upright with a negative height.
win32::BitmapHandle GreyBitmap(const decoder::GreyImage& grey) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header = {sizeof info.header, grey.width, -grey.height, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    for (int level = 0; level < 256; ++level) {
        const auto value = static_cast<BYTE>(level);
        info.colours[level] = {value, value, value, 0};
    }
    void* bits = nullptr;
    win32::BitmapHandle bitmap(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return bitmap;
    const std::size_t width = static_cast<std::size_t>(grey.width), stride = (width + 3) & ~std::size_t{3};
    for (std::size_t row = 0; row < static_cast<std::size_t>(grey.height); ++row)
        std::copy_n(grey.pixels.data() + row * width, width, static_cast<BYTE*>(bits) + row * stride);
    GdiFlush();
    return bitmap;
}

}  // namespace zorbel::engine_side
