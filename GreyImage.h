#pragma once
// A picture of grey levels, 0 black to 255 white, row after row: a chart
// received or to be sent.

#include <cstdint>
#include <vector>

namespace zorbel::decoder {

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    GreyImage() = default;
    GreyImage(int columns, int rows, std::uint8_t fill = 255)
        : width(columns), height(rows), pixels(static_cast<std::size_t>(columns) * rows, fill) {}
    std::uint8_t& At(int column, int row) { return pixels[static_cast<std::size_t>(row) * width + column]; }
    std::uint8_t At(int column, int row) const { return pixels[static_cast<std::size_t>(row) * width + column]; }
};

}  // namespace zorbel::decoder
